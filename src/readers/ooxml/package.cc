#include "readers/ooxml/package.h"

#include <zip.h>

#include <algorithm>
#include <array>
#include <memory>

#include "api/text.h"
#include "document/read_fault.h"
#include "readers/ooxml/text_pieces.h"

namespace k27093::ooxml {
namespace {

struct FileCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

// The name by which a part is found: ASCII-lower-cased, backslashes as slashes, without a
// leading slash.
std::string PartKey(std::string_view name) {
  std::string key = AsciiLower(name);
  std::replace(key.begin(), key.end(), '\\', '/');
  if (key.starts_with('/')) key.erase(0, 1);
  return key;
}

}  // namespace

Package::Package(std::string_view bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (source == nullptr) {
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    document::FailDamaged("the zip archive cannot be opened (" + text + ")");
  }
  archive_ = zip_open_from_source(source, ZIP_RDONLY, &error);
  if (archive_ == nullptr) {
    zip_source_free(source);
    const int code = zip_error_code_zip(&error);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    if (code == ZIP_ER_NOZIP) {
      document::FailDamaged(
          "the zip archive has no central directory (the file is truncated or broken)");
    }
    document::FailDamaged("the zip archive is broken (" + text + ")");
  }
  zip_error_fini(&error);

  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  if (count < 0 || static_cast<std::uint64_t>(count) > kMaxEntries) {
    zip_discard(archive_);
    archive_ = nullptr;
    document::FailDamaged("the zip archive holds more than " + std::to_string(kMaxEntries) +
                          " entries");
  }
  for (zip_uint64_t index = 0; index < static_cast<zip_uint64_t>(count); ++index) {
    const char* name = zip_get_name(archive_, index, 0);
    if (name == nullptr || std::string_view(name).ends_with('/')) continue;  // folders
    const auto [entry, added] = entries_.emplace(PartKey(name), index);
    if (!added) {
      const std::string first = zip_get_name(archive_, entry->second, 0);
      zip_discard(archive_);
      archive_ = nullptr;
      document::FailDamaged("the zip archive holds the part " + Quoted(first) + " twice (also as " +
                            Quoted(name) + ")");
    }
  }
}

Package::~Package() {
  if (archive_ != nullptr) zip_discard(archive_);
}

bool Package::Has(std::string_view partName) const {
  return entries_.count(PartKey(partName)) != 0;
}

std::uint64_t Package::IndexOf(std::string_view partName) const {
  auto found = entries_.find(PartKey(partName));
  if (found == entries_.end())
    document::FailDamaged("the part " + Quoted(partName) + " is missing");
  return found->second;
}

std::string Package::Read(std::string_view partName) {
  const std::uint64_t index = IndexOf(partName);
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_, index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_COMP_SIZE) == 0) {
    document::FailDamaged("the part " + Quoted(partName) + " has no readable zip header");
  }
  // Bounds that do not trust the declared inflated size: checked on what actually comes out.
  const std::uint64_t ratioBound =
      stat.comp_size > kMaxPartBytes
          ? kMaxPartBytes
          : std::max<std::uint64_t>(kRatioFreeBytes, stat.comp_size * kMaxInflationRatio);
  const std::uint64_t budgetLeft = kMaxInflatedTotal - inflatedTotal_;

  std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive_, index, 0));
  if (!file) {
    document::FailDamaged("the part " + Quoted(partName) + " cannot be opened (" +
                          zip_strerror(archive_) + ")");
  }
  std::string content;
  std::array<char, 64 * 1024> chunk;
  for (;;) {
    const zip_int64_t got = zip_fread(file.get(), chunk.data(), chunk.size());
    if (got < 0) {
      document::FailDamaged("the part " + Quoted(partName) + " cannot be inflated (" +
                            zip_file_strerror(file.get()) + ")");
    }
    if (got == 0) break;
    const std::uint64_t size = content.size() + static_cast<std::uint64_t>(got);
    if (size > kMaxPartBytes) {
      document::FailDamaged("the part " + Quoted(partName) + " is larger than " +
                            std::to_string(kMaxPartBytes / (1024 * 1024)) + " MiB");
    }
    if (size > ratioBound) {
      document::FailDamaged("the part " + Quoted(partName) + " inflates to more than " +
                            std::to_string(kMaxInflationRatio) + " times its compressed size");
    }
    if (size > budgetLeft) {
      document::FailDamaged("the parts inflate to more than " +
                            std::to_string(kMaxInflatedTotal / (1024 * 1024)) + " MiB together");
    }
    content.append(chunk.data(), static_cast<std::size_t>(got));
  }
  inflatedTotal_ += content.size();
  return content;
}

}  // namespace k27093::ooxml
