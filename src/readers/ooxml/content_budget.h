// ContentBudget: how much one workbook file may bring into memory once read: the number of
// items (cells, comments, drawn objects, chart series, axes and points) and the bytes of their
// texts together (a shared string is copied into every cell that uses it), so that a small
// hostile file cannot build an enormous workbook.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "document/read_fault.h"

namespace k27093::ooxml {

inline constexpr std::size_t kMaxItems = 4 * 1024 * 1024;
inline constexpr std::size_t kMaxTextBytesTotal = 256 * 1024 * 1024;

class ContentBudget {
 public:
  // Counts one more item read from `partName`, carrying `textBytes` bytes of text.
  // Raises ReadFault Damaged past kMaxItems items or kMaxTextBytesTotal bytes.
  void Take(std::string_view partName, std::size_t textBytes) {
    if (++items_ > kMaxItems) {
      document::FailDamaged("the workbook holds more than " + std::to_string(kMaxItems) +
                  " cells, comments and other items (reached in '" + std::string(partName) + "')");
    }
    textBytes_ += textBytes;
    if (textBytes_ > kMaxTextBytesTotal) {
      document::FailDamaged("the texts of the workbook take more than " +
                  std::to_string(kMaxTextBytesTotal / (1024 * 1024)) + " MiB (reached in '" +
                  std::string(partName) + "')");
    }
  }

 private:
  std::size_t items_ = 0;
  std::size_t textBytes_ = 0;
};

}  // namespace k27093::ooxml
