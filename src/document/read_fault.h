// ReadFault: why a workbook file cannot be read, stated without the file's name. The
// parts of the reader raise it; the reader's entry points turn it into the spreadsheet's
// error 1004 whose description names the file.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace k27093::document {

class ReadFault : public std::exception {
 public:
  enum class Kind {
    NotWorkbook,  // the bytes are not a workbook at all
    Damaged,      // a workbook that is broken, or too costly to read safely
    Refused,      // a workbook the spreadsheet does not open (encrypted, too old a format)
  };

  ReadFault(Kind kind, std::string reason) : kind_(kind), reason_(std::move(reason)) {}

  Kind kind() const noexcept { return kind_; }
  // What is wrong, naming the part (and the offset in it) where that is known.
  const std::string& reason() const noexcept { return reason_; }
  const char* what() const noexcept override { return reason_.c_str(); }

 private:
  Kind kind_;
  std::string reason_;
};

// 'text', as the readers' fault reasons and error descriptions quote names and values.
inline std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// Raise a ReadFault of the named kind.
[[noreturn]] inline void FailNotWorkbook(std::string reason) {
  throw ReadFault(ReadFault::Kind::NotWorkbook, std::move(reason));
}
[[noreturn]] inline void FailDamaged(std::string reason) {
  throw ReadFault(ReadFault::Kind::Damaged, std::move(reason));
}
[[noreturn]] inline void FailRefused(std::string reason) {
  throw ReadFault(ReadFault::Kind::Refused, std::move(reason));
}

// Runs `read`, which reads a part the workbook opens without (a comment list, a drawing, the
// theme ...): true when it ran through, false when it met damage, which is dropped so that
// what the part held is absent. A file that is no workbook or one that is refused stops.
template <typename Read>
bool ReadUnlessDamaged(Read&& read) {
  try {
    read();
    return true;
  } catch (const ReadFault& fault) {
    if (fault.kind() != ReadFault::Kind::Damaged) throw;
    return false;
  }
}

}  // namespace k27093::document
