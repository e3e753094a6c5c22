#include "api/error.h"

#include <map>

namespace k27093 {

Error::Error(std::int32_t number, std::string description, std::string source)
    : std::runtime_error(description),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)) {}

std::string StandardDescription(std::int32_t number) {
  static const std::map<std::int32_t, std::string> kTexts = {
      {errors::kInvalidCall, "Invalid procedure call or argument"},
      {errors::kOverflow, "Overflow"},
      {errors::kSubscript, "Subscript out of range"},
      {errors::kTypeMismatch, "Type mismatch"},
      {errors::kFileNotFound, "File not found"},
      {errors::kFileExists, "File already exists"},
      {errors::kPermissionDenied, "Permission denied"},
      {errors::kPathFileAccess, "Path/File access error"},
      {errors::kPathNotFound, "Path not found"},
      {errors::kNoObject, "Object variable or With block variable not set"},
      {errors::kInvalidNull, "Invalid use of Null"},
      {errors::kObjectRequired, "Object required"},
      {errors::kCannotCreate, "ActiveX component can't create object"},
      {errors::kNoMember, "Object doesn't support this property or method"},
      {errors::kWrongArguments, "Wrong number of arguments or invalid property assignment"},
      {errors::kServerGone, "The remote server machine does not exist or is unavailable"},
      {errors::kCallRejected, "Call was rejected by callee."},
      {errors::kItemNotFound, "The item with the specified name wasn't found."},
  };
  auto found = kTexts.find(number);
  return found == kTexts.end() ? std::string() : found->second;
}

void Raise(std::int32_t number) {
  throw Error(number, StandardDescription(number), std::string(kComponentSource));
}

void Raise(std::int32_t number, std::string description, std::string source) {
  throw Error(number, std::move(description), std::move(source));
}

std::string TracedSource(std::string_view classe, std::string_view procedure,
                         std::string_view previous) {
  std::string text = "DLL K27093 - CLASSE ";
  text += classe;
  text += '\n';
  text += '\r';
  text += " - SERVICE ";
  text += procedure;
  text += " - OBJET ";
  text += previous;
  return text;
}

void RemonteErreur(std::string_view classe, std::string_view procedure, const Error& error) {
  throw Error(error.number(), error.description(),
              TracedSource(classe, procedure, error.source()));
}

}  // namespace k27093
