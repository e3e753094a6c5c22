// Package: the zip container of a workbook file, opened read-only from bytes in memory. It
// hands out parts by name and bounds what a hostile archive can cost: the number of entries,
// the inflation ratio of each entry (checked while inflating) and the total inflated size.
// Parts are stored or deflated (zlib inflates them), as every workbook writer stores them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "readers/ooxml/zip_directory.h"

namespace k27093::ooxml {

inline constexpr std::size_t kMaxEntries = 1000;
// An entry may inflate to this many bytes whatever its ratio ...
inline constexpr std::uint64_t kRatioFreeBytes = 100 * 1024;
// ... and beyond that to at most this many times its compressed size.
inline constexpr std::uint64_t kMaxInflationRatio = 100;
// Largest single part, and the most all parts read from one file may inflate to together.
inline constexpr std::uint64_t kMaxPartBytes = 64ull * 1024 * 1024;
inline constexpr std::uint64_t kMaxInflatedTotal = 256ull * 1024 * 1024;

class Package {
 public:
  // Opens the archive in `bytes`, which must outlive the package; the caller has checked
  // that they start like a zip archive. The central directory is what counts: local headers
  // that disagree with it in their times, versions, sizes or checksums are no damage (the
  // checksum is checked on what inflates). Raises ReadFault Damaged when the archive is
  // truncated or broken, holds more than kMaxEntries entries (see ReadZipDirectory), or holds
  // two parts whose names differ only in letter case or separators.
  explicit Package(std::string_view bytes);

  // True when the package holds the part. Part names ignore ASCII case, as the package
  // format says, and an entry written with backslashes ("xl\workbook.xml") is the part
  // with slashes.
  bool Has(std::string_view partName) const;

  // The whole inflated content of the part. Raises ReadFault Damaged when the part is
  // missing, encrypted or compressed by another method, fails to inflate (bad data, data that
  // ends early, a wrong checksum or size), or passes a bound.
  std::string Read(std::string_view partName);

 private:
  const ZipEntry& EntryOf(std::string_view partName) const;

  std::vector<ZipEntry> entries_;
  std::unordered_map<std::string, std::size_t> indexes_;  // PartKey of the name -> entry
  std::uint64_t inflatedTotal_ = 0;
};

}  // namespace k27093::ooxml
