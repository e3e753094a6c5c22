#include "spreadsheet/late_binding.h"

#include <string>

namespace k27093::xl::late {

namespace {
constexpr std::int32_t kArgumentNotOptional = 449;
constexpr std::int32_t kWrongArgumentCount = 450;
}  // namespace

void RaiseNotWritable() { Raise(errors::kNoMember); }

void CheckCount(Arguments arguments, std::size_t minimum, std::size_t maximum) {
  if (arguments.size() < minimum) {
    Raise(kArgumentNotOptional, "Argument not optional", std::string(kComponentSource));
  }
  if (arguments.size() > maximum) {
    Raise(kWrongArgumentCount, "Wrong number of arguments or invalid property assignment",
          std::string(kComponentSource));
  }
}

void CheckRead(CallKind kind) {
  if (kind == CallKind::Put) RaiseNotWritable();
}

}  // namespace k27093::xl::late
