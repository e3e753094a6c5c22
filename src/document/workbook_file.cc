#include "document/workbook_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "api/error.h"

namespace k27093::document {
namespace {

constexpr std::string_view kExcelSource = "Microsoft Office Excel";

}  // namespace

void RaiseOpenError(std::string description) {
  Raise(errors::kApplication, std::move(description), std::string(kExcelSource));
}

std::string OpenFaultDescription(std::string_view name, const ReadFault& fault) {
  if (fault.kind() == ReadFault::Kind::NotWorkbook) {
    return Quoted(name) + " is not a workbook: " + fault.reason() + ".";
  }
  if (fault.kind() == ReadFault::Kind::Refused) {
    return Quoted(name) + " cannot be opened: " + fault.reason() + ".";
  }
  return Quoted(name) + " is damaged and cannot be opened: " + fault.reason() + ".";
}

void RequireReadableSize(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > kMaxWorkbookFileBytes) {
    RaiseOpenError(Quoted(path) + " is too large to open: it holds more than " +
                   std::to_string(kMaxWorkbookFileBytes / (1024 * 1024)) + " MiB.");
  }
}

std::string ReadWorkbookFileBytes(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::none) {
    // The file may be there: a folder on its path cannot be searched, or the path loops.
    RaiseOpenError(Quoted(path) + " cannot be reached: " + error.message() + ".");
  }
  if (!std::filesystem::exists(status)) {
    RaiseOpenError(Quoted(path) +
                   " could not be found. Check the spelling of the file name, and verify that "
                   "the file location is correct.");
  }
  if (!std::filesystem::is_regular_file(status)) {
    RaiseOpenError(Quoted(path) + " is not a workbook: it is not a file.");
  }
  RequireReadableSize(path);
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  // Read-only: the file is only ever opened for reading.
  std::ifstream file(path, std::ios::binary | std::ios::in);
  if (!file) {
    RaiseOpenError(Quoted(path) + " cannot be read: " + std::strerror(errno) + ".");
  }
  // Read in blocks until the end: the first as large as the file was (and one byte more, so
  // that a file that grew meanwhile is noticed at once), the others of a fixed size.
  constexpr std::size_t kBlockBytes = 64 * 1024;
  std::string bytes;
  std::size_t block = error ? kBlockBytes : static_cast<std::size_t>(size) + 1;
  while (bytes.size() <= kMaxWorkbookFileBytes) {
    const std::size_t start = bytes.size();
    bytes.resize(start + block);
    file.read(bytes.data() + start, static_cast<std::streamsize>(block));
    bytes.resize(start + static_cast<std::size_t>(file.gcount()));
    if (!file) break;  // the end, or a failed read (bad)
    block = kBlockBytes;
  }
  if (file.bad() || bytes.size() > kMaxWorkbookFileBytes) {
    RaiseOpenError(Quoted(path) + " cannot be read completely.");
  }
  return bytes;
}

}  // namespace k27093::document
