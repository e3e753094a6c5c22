// What a protection checks a password against: nothing (a protection without a password,
// whose Unprotect ignores the password it is given), the password Protect was given, or the
// hashes a workbook file stored: the legacy 16-bit hash, and the salted hash of ISO/IEC 29500
// iterated by a named algorithm (SHA-512 with a salt and a spin count, as Excel 2013 writes).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace k27093::engine {

// A salted, iterated password hash as a file stores it (raw bytes, not base64).
struct IteratedHash {
  std::string algorithm;  // "SHA-512", "SHA-256", "SHA-384", "SHA-1", "MD5", "RIPEMD-160"
  std::string hash;
  std::string salt;
  std::uint32_t spinCount = 0;
};

class PasswordVerifier {
 public:
  // No password: every password is accepted.
  PasswordVerifier() = default;
  // The password given to Protect; "" is none.
  static PasswordVerifier ForPassword(std::string_view password);
  // The hashes a file stored; neither: none.
  static PasswordVerifier ForHashes(std::optional<std::uint16_t> legacy,
                                    std::optional<IteratedHash> iterated);

  // True when a password is needed to lift the protection.
  bool required() const;
  // True when `password` lifts the protection: always without a password; otherwise when it
  // is the password given, or when it matches one of the stored hashes. A hash of an
  // algorithm the engine does not know matches no password.
  bool Accepts(std::string_view password) const;

 private:
  std::optional<std::string> password_;
  std::optional<std::uint16_t> legacy_;
  std::optional<IteratedHash> iterated_;
};

// The legacy 16-bit hash of a password (the spreadsheet's password verifier): over its
// Windows-1252 bytes from the last to the first, then its length, each folded in by a 15-bit
// rotation and an exclusive or, the result exclusive-or'ed with 0xCE4B. "password" gives 0x83AF.
std::uint16_t LegacyPasswordHash(std::string_view password);

// ISO/IEC 29500's password hash: H(salt + password as UTF-16LE), then `spinCount` times
// H(previous hash + the 0-based iteration as a 32-bit little-endian number). nullopt for an
// algorithm the engine does not know.
std::optional<std::string> IteratedPasswordHash(std::string_view algorithm,
                                                std::u16string_view password, std::string_view salt,
                                                std::uint32_t spinCount);

}  // namespace k27093::engine
