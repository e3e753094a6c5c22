#include "readers/ooxml/zip_directory.h"

#include <algorithm>

#include "document/little_endian.h"
#include "document/read_fault.h"

namespace k27093::ooxml {

using document::FailDamaged;
using document::Uint16At;
using document::Uint32At;
using document::Uint64At;

namespace {

constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr std::uint32_t kZip64EndSignature = 0x06064b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::size_t kEndBytes = 22;
constexpr std::size_t kZip64LocatorBytes = 20;
constexpr std::size_t kZip64EndBytes = 56;
constexpr std::size_t kCentralBytes = 46;
constexpr std::size_t kLocalBytes = 30;
constexpr std::size_t kMaxCommentBytes = 0xFFFF;
constexpr std::uint16_t kZip64ExtraId = 0x0001;
constexpr std::uint32_t kZip64Marker = 0xFFFFFFFF;

// True when `length` bytes from `offset` lie inside `bytes`.
bool Inside(std::string_view bytes, std::uint64_t offset, std::uint64_t length) {
  return offset <= bytes.size() && length <= bytes.size() - offset;
}

struct DirectoryPlace {
  std::uint64_t entries = 0;
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
};

// The end record nearest the end whose comment ends inside the archive.
std::size_t FindEndRecord(std::string_view bytes) {
  if (bytes.size() >= kEndBytes) {
    const std::size_t last = bytes.size() - kEndBytes;
    const std::size_t first = last > kMaxCommentBytes ? last - kMaxCommentBytes : 0;
    for (std::size_t at = last + 1; at-- > first;) {
      if (Uint32At(bytes, at) == kEndSignature &&
          Inside(bytes, at + kEndBytes, Uint16At(bytes, at + 20))) {
        return at;
      }
    }
  }
  FailDamaged("the zip archive has no central directory (the file is truncated or broken)");
}

[[noreturn]] void FailSeveralDisks() { FailDamaged("the zip archive spans several disks"); }

// The zip64 end record that the locator in front of the end record points to, if any.
bool ReadZip64Place(std::string_view bytes, std::size_t end, DirectoryPlace& place) {
  if (end < kZip64LocatorBytes) return false;
  const std::size_t locator = end - kZip64LocatorBytes;
  if (Uint32At(bytes, locator) != kZip64LocatorSignature) return false;
  if (Uint32At(bytes, locator + 4) != 0 || Uint32At(bytes, locator + 16) > 1) FailSeveralDisks();
  const std::uint64_t record = Uint64At(bytes, locator + 8);
  if (!Inside(bytes, record, kZip64EndBytes) || Uint32At(bytes, record) != kZip64EndSignature) {
    FailDamaged("the zip archive's zip64 end record is missing or broken");
  }
  if (Uint32At(bytes, record + 16) != 0 || Uint32At(bytes, record + 20) != 0 ||
      Uint64At(bytes, record + 24) != Uint64At(bytes, record + 32)) {
    FailSeveralDisks();
  }
  place = {Uint64At(bytes, record + 32), Uint64At(bytes, record + 48),
           Uint64At(bytes, record + 40)};
  return true;
}

DirectoryPlace ReadDirectoryPlace(std::string_view bytes) {
  const std::size_t end = FindEndRecord(bytes);
  DirectoryPlace place;
  if (ReadZip64Place(bytes, end, place)) return place;
  if (Uint16At(bytes, end + 4) != 0 || Uint16At(bytes, end + 6) != 0 ||
      Uint16At(bytes, end + 8) != Uint16At(bytes, end + 10)) {
    FailSeveralDisks();
  }
  return {Uint16At(bytes, end + 10), Uint32At(bytes, end + 16), Uint32At(bytes, end + 12)};
}

// Replaces the 32-bit sizes and offset that say "see the zip64 field" by that field's values,
// which come in this order, each only when its 32-bit field holds the marker.
void ApplyZip64Extra(std::string_view extra, ZipEntry& entry, std::uint64_t& localOffset) {
  for (std::size_t at = 0; at + 4 <= extra.size();) {
    const std::uint16_t id = Uint16At(extra, at);
    const std::size_t length = Uint16At(extra, at + 2);
    const std::string_view field = extra.substr(at + 4, std::min(length, extra.size() - at - 4));
    at += 4 + length;
    if (id != kZip64ExtraId) continue;
    std::size_t next = 0;
    for (std::uint64_t* value : {&entry.inflatedSize, &entry.compressedSize, &localOffset}) {
      if (*value != kZip64Marker) continue;
      if (next + 8 > field.size())
        FailDamaged("the zip archive's entry " + document::Quoted(entry.name) +
                    " has a short zip64 field");
      *value = Uint64At(field, next);
      next += 8;
    }
    return;
  }
}

// The entry's compressed bytes, found through its local header.
std::string_view EntryData(std::string_view bytes, const ZipEntry& entry, std::uint64_t offset) {
  if (!Inside(bytes, offset, kLocalBytes) || Uint32At(bytes, offset) != kLocalSignature) {
    FailDamaged("the zip archive's entry " + document::Quoted(entry.name) + " has no local header");
  }
  const std::uint64_t start =
      offset + kLocalBytes + Uint16At(bytes, offset + 26) + Uint16At(bytes, offset + 28);
  if (!Inside(bytes, start, entry.compressedSize)) {
    FailDamaged("the data of the zip archive's entry " + document::Quoted(entry.name) +
                " runs past the end of the archive");
  }
  return bytes.substr(start, entry.compressedSize);
}

}  // namespace

std::vector<ZipEntry> ReadZipDirectory(std::string_view bytes, std::uint64_t maxEntries) {
  const DirectoryPlace place = ReadDirectoryPlace(bytes);
  if (place.entries > maxEntries) {
    FailDamaged("the zip archive holds more than " + std::to_string(maxEntries) + " entries");
  }
  if (!Inside(bytes, place.offset, place.size)) {
    FailDamaged("the zip archive's central directory lies outside the archive");
  }
  const std::string_view directory = bytes.substr(place.offset, place.size);
  std::vector<ZipEntry> entries;
  std::size_t at = 0;
  for (std::uint64_t index = 0; index < place.entries; ++index) {
    if (!Inside(directory, at, kCentralBytes) || Uint32At(directory, at) != kCentralSignature) {
      FailDamaged("the zip archive's central directory ends before its entry " +
                  std::to_string(index + 1));
    }
    const std::size_t nameBytes = Uint16At(directory, at + 28);
    const std::size_t extraBytes = Uint16At(directory, at + 30);
    const std::size_t commentBytes = Uint16At(directory, at + 32);
    if (!Inside(directory, at + kCentralBytes, nameBytes + extraBytes + commentBytes)) {
      FailDamaged("the zip archive's central directory ends inside its entry " +
                  std::to_string(index + 1));
    }
    ZipEntry entry;
    entry.name = directory.substr(at + kCentralBytes, nameBytes);
    entry.flags = Uint16At(directory, at + 8);
    entry.method = Uint16At(directory, at + 10);
    entry.crc = Uint32At(directory, at + 16);
    entry.compressedSize = Uint32At(directory, at + 20);
    entry.inflatedSize = Uint32At(directory, at + 24);
    std::uint64_t localOffset = Uint32At(directory, at + 42);
    ApplyZip64Extra(directory.substr(at + kCentralBytes + nameBytes, extraBytes), entry,
                    localOffset);
    entry.data = EntryData(bytes, entry, localOffset);
    entries.push_back(std::move(entry));
    at += kCentralBytes + nameBytes + extraBytes + commentBytes;
  }
  return entries;
}

}  // namespace k27093::ooxml
