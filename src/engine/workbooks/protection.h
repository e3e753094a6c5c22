// Protection of a sheet's contents and drawing objects, with the password that lifts it.
// While a sheet is protected, changing its cells, shapes, chart objects or check boxes raises
// 1004.
#pragma once

#include "engine/workbooks/password_verifier.h"

namespace k27093::engine {

class Protection {
 public:
  bool on() const { return on_; }
  // Protects with `password` ("" for none); protecting again keeps the first password.
  void Protect(std::string_view password);
  // Takes the protection a file stored: on or off, and what its password is checked against.
  void Restore(bool on, PasswordVerifier verifier);
  // Removes the protection. A protection without a password ignores `password`; one with a
  // password raises 1004 ("The password you supplied is not correct. ...") when `password` is
  // not it, "" (none given) included.
  void Unprotect(std::string_view password);
  // Raises 1004 ("... protected and therefore read-only.") while protected.
  void CheckChangeable() const;

 private:
  bool on_ = false;
  PasswordVerifier verifier_;
};

}  // namespace k27093::engine
