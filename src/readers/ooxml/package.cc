#include "readers/ooxml/package.h"

// zlib reads its input through pointers to const.
#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <array>
#include <new>

#include "api/text.h"
#include "document/read_fault.h"
#include "readers/ooxml/text_pieces.h"

namespace k27093::ooxml {
namespace {

using document::FailDamaged;

constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;

// What one part may inflate to, checked on what actually comes out: the declared inflated
// size is not trusted.
class InflationBounds {
 public:
  InflationBounds(std::string_view partName, std::uint64_t compressedSize, std::uint64_t budgetLeft)
      : partName_(partName),
        ratioBound_(compressedSize > kMaxPartBytes
                        ? kMaxPartBytes
                        : std::max(kRatioFreeBytes, compressedSize * kMaxInflationRatio)),
        budgetLeft_(budgetLeft) {}

  void Check(std::uint64_t size) const {
    if (size > kMaxPartBytes) {
      FailDamaged("the part " + Quoted(partName_) + " is larger than " +
                  std::to_string(kMaxPartBytes / (1024 * 1024)) + " MiB");
    }
    if (size > ratioBound_) {
      FailDamaged("the part " + Quoted(partName_) + " inflates to more than " +
                  std::to_string(kMaxInflationRatio) + " times its compressed size");
    }
    if (size > budgetLeft_) {
      FailDamaged("the parts inflate to more than " +
                  std::to_string(kMaxInflatedTotal / (1024 * 1024)) + " MiB together");
    }
  }

 private:
  std::string_view partName_;
  std::uint64_t ratioBound_;
  std::uint64_t budgetLeft_;
};

[[noreturn]] void FailInflating(std::string_view partName, const std::string& why) {
  FailDamaged("the part " + Quoted(partName) + " cannot be inflated (" + why + ")");
}

// A raw deflate stream (no zlib header), as zip entries hold it.
class RawInflater {
 public:
  RawInflater() {
    if (inflateInit2(&stream_, -MAX_WBITS) != Z_OK) throw std::bad_alloc();
  }
  ~RawInflater() { inflateEnd(&stream_); }
  RawInflater(const RawInflater&) = delete;
  RawInflater& operator=(const RawInflater&) = delete;

  std::string Inflate(std::string_view partName, std::string_view data,
                      const InflationBounds& bounds) {
    std::string content;
    std::array<unsigned char, 64 * 1024> chunk;
    stream_.next_in = reinterpret_cast<const Bytef*>(data.data());
    std::size_t inputLeft = data.size();
    for (;;) {
      const uInt input = static_cast<uInt>(std::min<std::size_t>(inputLeft, 1u << 30));
      stream_.avail_in = input;
      stream_.next_out = chunk.data();
      stream_.avail_out = static_cast<uInt>(chunk.size());
      const int status = inflate(&stream_, Z_NO_FLUSH);
      inputLeft -= input - stream_.avail_in;
      const std::size_t got = chunk.size() - stream_.avail_out;
      if (status == Z_BUF_ERROR && got == 0) FailInflating(partName, "its data ends early");
      if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
        FailInflating(partName, stream_.msg != nullptr ? stream_.msg : "bad deflated data");
      }
      bounds.Check(content.size() + got);
      content.append(reinterpret_cast<const char*>(chunk.data()), got);
      if (status == Z_STREAM_END) return content;
    }
  }

 private:
  z_stream stream_{};
};

std::uint32_t Crc32Of(std::string_view content) {
  uLong crc = crc32(0, Z_NULL, 0);
  for (std::size_t at = 0; at < content.size();) {
    const uInt length = static_cast<uInt>(std::min<std::size_t>(content.size() - at, 1u << 30));
    crc = crc32(crc, reinterpret_cast<const Bytef*>(content.data() + at), length);
    at += length;
  }
  return static_cast<std::uint32_t>(crc);
}

}  // namespace

namespace {

// The name by which a part is found: ASCII-lower-cased, backslashes as slashes, without a
// leading slash.
std::string PartKey(std::string_view name) {
  std::string key = AsciiLower(name);
  std::replace(key.begin(), key.end(), '\\', '/');
  if (key.starts_with('/')) key.erase(0, 1);
  return key;
}

}  // namespace

Package::Package(std::string_view bytes) : entries_(ReadZipDirectory(bytes, kMaxEntries)) {
  for (std::size_t index = 0; index < entries_.size(); ++index) {
    const std::string& name = entries_[index].name;
    if (name.ends_with('/')) continue;  // a folder
    const auto [entry, added] = indexes_.emplace(PartKey(name), index);
    if (!added) {
      FailDamaged("the zip archive holds the part " + Quoted(entries_[entry->second].name) +
                  " twice (also as " + Quoted(name) + ")");
    }
  }
}

bool Package::Has(std::string_view partName) const {
  return indexes_.count(PartKey(partName)) != 0;
}

const ZipEntry& Package::EntryOf(std::string_view partName) const {
  auto found = indexes_.find(PartKey(partName));
  if (found == indexes_.end()) FailDamaged("the part " + Quoted(partName) + " is missing");
  return entries_[found->second];
}

std::string Package::Read(std::string_view partName) {
  const ZipEntry& entry = EntryOf(partName);
  if (entry.encrypted()) FailDamaged("the part " + Quoted(partName) + " is encrypted");
  const InflationBounds bounds(partName, entry.compressedSize, kMaxInflatedTotal - inflatedTotal_);
  std::string content;
  if (entry.method == kStored) {
    bounds.Check(entry.data.size());
    content = entry.data;
  } else if (entry.method == kDeflated) {
    content = RawInflater().Inflate(partName, entry.data, bounds);
  } else {
    FailDamaged("the part " + Quoted(partName) + " is compressed by method " +
                std::to_string(entry.method) + ", which workbooks do not use");
  }
  if (Crc32Of(content) != entry.crc) FailInflating(partName, "wrong checksum");
  if (content.size() != entry.inflatedSize) {
    FailInflating(partName, "it inflates to " + std::to_string(content.size()) +
                                " bytes, not the " + std::to_string(entry.inflatedSize) +
                                " its header declares");
  }
  inflatedTotal_ += content.size();
  return content;
}

}  // namespace k27093::ooxml
