#include "engine/workbooks/protection.h"

#include <utility>

#include "api/error.h"
#include "engine/application/excel_errors.h"

namespace k27093::engine {

void Protection::Protect(std::string_view password) {
  if (on_) return;
  on_ = true;
  verifier_ = PasswordVerifier::ForPassword(password);
}

void Protection::Restore(bool on, PasswordVerifier verifier) {
  on_ = on;
  verifier_ = on ? std::move(verifier) : PasswordVerifier();
}

void Protection::Unprotect(std::string_view password) {
  if (!on_) return;
  if (!verifier_.Accepts(password)) {
    RaiseExcel(errors::kApplication,
               "The password you supplied is not correct. Verify that the CAPS LOCK key is off "
               "and be sure to use the correct capitalization.");
  }
  on_ = false;
  verifier_ = PasswordVerifier();
}

void Protection::CheckChangeable() const {
  if (on_) RaiseProtected();
}

}  // namespace k27093::engine
