#include "engine/protection.h"

#include "api/error.h"
#include "engine/excel_errors.h"

namespace k27093::engine {

void Protection::Protect(std::string_view password) {
  if (on_) return;
  on_ = true;
  password_ = password;
}

void Protection::Unprotect(std::string_view password) {
  if (!on_) return;
  if (password != password_) {
    RaiseExcel(errors::kApplication,
               "The password you supplied is not correct. Verify that the CAPS LOCK key is off "
               "and be sure to use the correct capitalization.");
  }
  on_ = false;
  password_.clear();
}

void Protection::CheckChangeable() const {
  if (on_) RaiseProtected();
}

}  // namespace k27093::engine
