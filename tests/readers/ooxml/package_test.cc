// The zip container of workbook files: the central directory found behind a comment or in its
// zip64 form, parts stored or deflated, and the damage refused with its reason: encrypted
// parts, other compression methods, wrong checksums and sizes, records outside the archive.
#include <gtest/gtest.h>

#include <functional>

#include "document/read_fault.h"
#include "readers/ooxml/package.h"
#include "readers/ooxml/package_builder.h"

namespace k27093::ooxml {
namespace {

using testing::PackageParts;
using testing::ZipBytes;

const std::string kName = "xl/worksheets/sheet1.xml";
const std::string kContent = "<worksheet>des cellules, des cellules, des cellules</worksheet>";

std::string ReasonOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const document::ReadFault& fault) {
    EXPECT_EQ(fault.kind(), document::ReadFault::Kind::Damaged);
    return fault.reason();
  }
  ADD_FAILURE() << "no ReadFault was raised";
  return "";
}

std::string ReadReason(const std::string& bytes, const std::string& part = kName) {
  return ReasonOf([&] { Package(bytes).Read(part); });
}

std::string OneEntryZip(bool stored) {
  PackageParts package;
  package.parts[kName] = kContent;
  package.stored[kName] = stored;
  return ZipBytes(package);
}

void PutLittleEndian(std::string& bytes, std::size_t at, std::uint64_t value, int width) {
  for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string LittleEndian(std::uint64_t value, int width) {
  std::string bytes(width, '\0');
  PutLittleEndian(bytes, 0, value, width);
  return bytes;
}

// Field offsets in the central and the local header of an entry.
struct HeaderField {
  std::size_t central;
  std::size_t local;
  int width;
};
constexpr HeaderField kFlags{8, 6, 2};
constexpr HeaderField kMethod{10, 8, 2};
constexpr HeaderField kCompressedSize{20, 18, 4};
constexpr HeaderField kInflatedSize{24, 22, 4};
constexpr HeaderField kLocalOffset{42, 0, 4};  // central header only

// Sets the field in the headers of the entry `name`: the central one, and the local one too
// unless `centralOnly`.
void SetField(std::string& bytes, const std::string& name, HeaderField field, std::uint64_t value,
              bool centralOnly = false) {
  int found = 0;
  for (std::size_t at = bytes.find(name); at != std::string::npos; at = bytes.find(name, at + 1)) {
    if (at >= 46 && bytes.compare(at - 46, 4, "PK\x01\x02") == 0) {
      PutLittleEndian(bytes, at - 46 + field.central, value, field.width);
      ++found;
    } else if (!centralOnly && at >= 30 && bytes.compare(at - 30, 4, "PK\x03\x04") == 0) {
      PutLittleEndian(bytes, at - 30 + field.local, value, field.width);
      ++found;
    }
  }
  ASSERT_EQ(found, centralOnly ? 1 : 2);
}

std::size_t EndRecordAt(const std::string& bytes) { return bytes.rfind("PK\x05\x06"); }

// One stored entry whose sizes and offset are all in zip64 fields, with the zip64 end record
// and its locator in front of an end record that holds only markers.
std::string Zip64Archive(const std::string& name, const std::string& content, std::uint32_t crc) {
  const std::string sizes = LittleEndian(content.size(), 8) + LittleEndian(content.size(), 8);
  std::string local = "PK\x03\x04" + LittleEndian(45, 2) + LittleEndian(0, 2) + LittleEndian(0, 2) +
                      LittleEndian(0, 4) + LittleEndian(crc, 4) + LittleEndian(0xFFFFFFFF, 4) +
                      LittleEndian(0xFFFFFFFF, 4) + LittleEndian(name.size(), 2) +
                      LittleEndian(20, 2) + name + LittleEndian(1, 2) + LittleEndian(16, 2) +
                      sizes + content;
  const std::string central =
      "PK\x01\x02" + LittleEndian(45, 2) + LittleEndian(45, 2) + LittleEndian(0, 2) +
      LittleEndian(0, 2) + LittleEndian(0, 4) + LittleEndian(crc, 4) + LittleEndian(0xFFFFFFFF, 4) +
      LittleEndian(0xFFFFFFFF, 4) + LittleEndian(name.size(), 2) + LittleEndian(28, 2) +
      LittleEndian(0, 2) + LittleEndian(0, 2) + LittleEndian(0, 2) + LittleEndian(0, 4) +
      LittleEndian(0xFFFFFFFF, 4) + name + LittleEndian(1, 2) + LittleEndian(24, 2) + sizes +
      LittleEndian(0, 8);
  const std::string zip64End = "PK\x06\x06" + LittleEndian(44, 8) + LittleEndian(45, 2) +
                               LittleEndian(45, 2) + LittleEndian(0, 4) + LittleEndian(0, 4) +
                               LittleEndian(1, 8) + LittleEndian(1, 8) +
                               LittleEndian(central.size(), 8) + LittleEndian(local.size(), 8);
  const std::string locator = "PK\x06\x07" + LittleEndian(0, 4) +
                              LittleEndian(local.size() + central.size(), 8) + LittleEndian(1, 4);
  const std::string end = "PK\x05\x06" + LittleEndian(0, 2) + LittleEndian(0, 2) +
                          LittleEndian(0xFFFF, 2) + LittleEndian(0xFFFF, 2) +
                          LittleEndian(0xFFFFFFFF, 4) + LittleEndian(0xFFFFFFFF, 4) +
                          LittleEndian(0, 2);
  return local + central + zip64End + locator + end;
}

TEST(ZipPackage, StoredAndDeflatedPartsAreReadByNameInAnyCase) {
  PackageParts package;
  package.parts["[Content_Types].xml"] = "<Types/>";
  package.stored["[Content_Types].xml"] = true;
  package.parts[kName] = kContent;
  const std::string bytes = ZipBytes(package);
  Package opened(bytes);
  EXPECT_TRUE(opened.Has("XL/Worksheets/Sheet1.XML"));
  EXPECT_FALSE(opened.Has("xl/worksheets/sheet2.xml"));
  EXPECT_EQ(opened.Read("[content_types].xml"), "<Types/>");
  EXPECT_EQ(opened.Read(kName), kContent);
}

TEST(ZipPackage, TheDirectoryIsFoundBehindAnArchiveComment) {
  std::string bytes = OneEntryZip(false);
  // The signature inside the comment is not taken for the end record.
  const std::string comment = "écrit à la main PK\x05\x06 puis une trentaine de caractères";
  PutLittleEndian(bytes, EndRecordAt(bytes) + 20, comment.size(), 2);
  EXPECT_EQ(Package(bytes + comment).Read(kName), kContent);
}

TEST(ZipPackage, TheZip64FormOfTheDirectoryIsRead) {
  // The CRC-32 of "bonjour".
  const std::string bytes = Zip64Archive("a.txt", "bonjour", 0xA5B6F0C8);
  EXPECT_EQ(Package(bytes).Read("a.txt"), "bonjour");
  EXPECT_NE(
      ReasonOf([&] { Package(bytes.substr(0, bytes.size() - 22)); }).find("no central directory"),
      std::string::npos);
}

TEST(ZipDamage, EncryptedPartsAndOtherMethodsAreRefused) {
  std::string encrypted = OneEntryZip(false);
  SetField(encrypted, kName, kFlags, 1);
  EXPECT_EQ(ReadReason(encrypted), "the part '" + kName + "' is encrypted");

  std::string bzip2 = OneEntryZip(false);
  SetField(bzip2, kName, kMethod, 12);
  EXPECT_EQ(ReadReason(bzip2),
            "the part '" + kName + "' is compressed by method 12, which workbooks do not use");
}

TEST(ZipDamage, AWrongChecksumOrSizeIsDamage) {
  std::string changed = OneEntryZip(true);
  changed[changed.find("cellules")] = 'C';
  EXPECT_EQ(ReadReason(changed), "the part '" + kName + "' cannot be inflated (wrong checksum)");

  std::string longer = OneEntryZip(false);
  SetField(longer, kName, kInflatedSize, kContent.size() + 1);
  EXPECT_EQ(ReadReason(longer), "the part '" + kName + "' cannot be inflated (it inflates to " +
                                    std::to_string(kContent.size()) + " bytes, not the " +
                                    std::to_string(kContent.size() + 1) + " its header declares)");
}

TEST(ZipDamage, DeflatedDataCutShortEndsEarly) {
  std::string bytes = OneEntryZip(false);
  SetField(bytes, kName, kCompressedSize, 4, true);
  EXPECT_EQ(ReadReason(bytes), "the part '" + kName + "' cannot be inflated (its data ends early)");
}

TEST(ZipDamage, RecordsOutsideTheArchiveAreRefusedOnOpening) {
  std::string pastTheEnd = OneEntryZip(false);
  SetField(pastTheEnd, kName, kCompressedSize, 1u << 20, true);
  EXPECT_EQ(ReasonOf([&] { Package{pastTheEnd}; }),
            "the data of the zip archive's entry '" + kName + "' runs past the end of the archive");

  std::string noLocalHeader = OneEntryZip(false);
  SetField(noLocalHeader, kName, kLocalOffset, 1, true);
  EXPECT_EQ(ReasonOf([&] { Package{noLocalHeader}; }),
            "the zip archive's entry '" + kName + "' has no local header");

  std::string directoryOutside = OneEntryZip(false);
  PutLittleEndian(directoryOutside, EndRecordAt(directoryOutside) + 16, 1u << 20, 4);
  EXPECT_EQ(ReasonOf([&] { Package{directoryOutside}; }),
            "the zip archive's central directory lies outside the archive");

  std::string shortDirectory = OneEntryZip(false);
  PutLittleEndian(shortDirectory, EndRecordAt(shortDirectory) + 8, 2, 2);
  PutLittleEndian(shortDirectory, EndRecordAt(shortDirectory) + 10, 2, 2);
  EXPECT_EQ(ReasonOf([&] { Package{shortDirectory}; }),
            "the zip archive's central directory ends before its entry 2");
}

TEST(ZipDamage, AnArchiveOnSeveralDisksIsRefused) {
  std::string bytes = OneEntryZip(false);
  PutLittleEndian(bytes, EndRecordAt(bytes) + 4, 1, 2);
  EXPECT_EQ(ReasonOf([&] { Package{bytes}; }), "the zip archive spans several disks");
}

}  // namespace
}  // namespace k27093::ooxml
