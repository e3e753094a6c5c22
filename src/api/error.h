// The one error type of the component: a run-time error with a number, a description and a
// source text, as the platform's error object carries them to the client. Every failure of
// the component, of the object model and of the stand-ins travels as this exception.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace k27093 {

// Run-time error numbers the component raises or sorts on.
namespace errors {
inline constexpr std::int32_t kInvalidCall = 5;        // "Invalid procedure call or argument"
inline constexpr std::int32_t kOverflow = 6;           // "Overflow"
inline constexpr std::int32_t kSubscript = 9;          // "Subscript out of range"
inline constexpr std::int32_t kTypeMismatch = 13;      // "Type mismatch"
inline constexpr std::int32_t kFileNotFound = 53;      // "File not found"
inline constexpr std::int32_t kFileExists = 58;        // "File already exists"
inline constexpr std::int32_t kPermissionDenied = 70;  // "Permission denied"
inline constexpr std::int32_t kPathFileAccess = 75;    // "Path/File access error"
inline constexpr std::int32_t kPathNotFound = 76;      // "Path not found"
inline constexpr std::int32_t kNoObject = 91;          // "Object variable or With block variable not set"
inline constexpr std::int32_t kInvalidNull = 94;       // "Invalid use of Null"
inline constexpr std::int32_t kObjectRequired = 424;   // "Object required"
inline constexpr std::int32_t kCannotCreate = 429;     // "ActiveX component can't create object"
inline constexpr std::int32_t kNoMember = 438;         // "Object doesn't support this property or method"
inline constexpr std::int32_t kWrongArguments = 450;   // "Wrong number of arguments or invalid property assignment"
inline constexpr std::int32_t kServerGone = 462;       // "The remote server machine does not exist or is unavailable"
inline constexpr std::int32_t kApplication = 1004;     // failure reported by the spreadsheet
inline constexpr std::int32_t kCallRejected = -2147418111;  // "Call was rejected by callee."
inline constexpr std::int32_t kItemNotFound = -2147024809;  // "The item with the specified name wasn't found."
}  // namespace errors

// Source text of the errors the component raises itself.
inline constexpr std::string_view kComponentSource = "K27093";

class Error : public std::runtime_error {
 public:
  Error(std::int32_t number, std::string description, std::string source);

  std::int32_t number() const noexcept { return number_; }
  const std::string& description() const noexcept { return description_; }
  const std::string& source() const noexcept { return source_; }

 private:
  std::int32_t number_;
  std::string description_;
  std::string source_;
};

// The platform's standard description of a run-time error number ("" for an unknown one).
std::string StandardDescription(std::int32_t number);

// Raises `number` with its standard description and the component's source "K27093".
[[noreturn]] void Raise(std::int32_t number);

// Raises `number` with the given description and source.
[[noreturn]] void Raise(std::int32_t number, std::string description, std::string source);

// The traced source text: "DLL K27093 - CLASSE " + classe + LF + CR + " - SERVICE " +
// procedure + " - OBJET " + previous. The line feed comes before the carriage return.
std::string TracedSource(std::string_view classe, std::string_view procedure,
                         std::string_view previous);

// Re-raises `error` with its number and description unchanged and its source extended with
// the class and procedure it passes through. Never returns.
[[noreturn]] void RemonteErreur(std::string_view classe, std::string_view procedure,
                                const Error& error);

}  // namespace k27093
