// Protection of a sheet's contents and drawing objects, with its password. While a sheet is
// protected, changing its cells, shapes, chart objects or check boxes raises 1004.
#pragma once

#include <string>
#include <string_view>

namespace k27093::engine {

class Protection {
 public:
  bool on() const { return on_; }
  // Protects with `password` ("" for none); protecting again keeps the first password.
  void Protect(std::string_view password);
  // Removes the protection; raises 1004 when the password is not the one given to Protect.
  void Unprotect(std::string_view password);
  // Raises 1004 ("... protected and therefore read-only.") while protected.
  void CheckChangeable() const;

 private:
  bool on_ = false;
  std::string password_;
};

}  // namespace k27093::engine
