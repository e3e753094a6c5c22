// Sheet protection as worksheet and chart sheet parts store it: on or off, the legacy
// password hash, the salted hash with its algorithm and spin count, and the base64 that
// holds them; what is not of its form makes the workbook damaged.
#include <gtest/gtest.h>

#include <string>

#include "api/error.h"
#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/base64.h"
#include "readers/ooxml/reader.h"
#include "support/raised_error.h"

namespace k27093::ooxml {
namespace {

using testing::MinimalWorkbook;
using testing::PackageParts;

const std::string kTestData = std::string(K27093_TEST_DATA) + "/";

PackageParts ProtectedWorkbook(const std::string& protection) {
  PackageParts package = MinimalWorkbook("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
  testing::AppendToWorksheet(package, protection);
  return package;
}

document::SheetProtectionData ProtectionOf(const PackageParts& package) {
  return ReadWorkbookBytes(testing::ZipBytes(package), "Ventes.xls").sheets.at(0).protection;
}

std::string DamageOf(const std::string& protection) {
  const Error error =
      testsupport::RaisedError([&] { ProtectionOf(ProtectedWorkbook(protection)); });
  EXPECT_EQ(error.number(), 1004);
  return error.description();
}

TEST(Base64, DecodesGroupsWithTheirPaddingAndSkipsBlanks) {
  EXPECT_EQ(DecodeBase64("TWFu"), "Man");
  EXPECT_EQ(DecodeBase64("TWE="), "Ma");
  EXPECT_EQ(DecodeBase64("TQ=="), "M");
  EXPECT_EQ(DecodeBase64(" TW\r\nFu TQ== "), "ManM");
  EXPECT_EQ(DecodeBase64("/+8="), std::string("\xFF\xEF"));
  EXPECT_EQ(DecodeBase64(""), "");
}

TEST(Base64, RefusesTextThatIsNotBase64) {
  for (const char* text : {"TWF", "TQ=", "T===", "TW=u", "TWFu!", "TQ==TQ==", "===="}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(DecodeBase64(text).has_value());
  }
}

TEST(SheetProtection, AnUnprotectedSheetIsOffWithoutPassword) {
  const document::SheetProtectionData protection = ProtectionOf(MinimalWorkbook());
  EXPECT_FALSE(protection.on);
  EXPECT_FALSE(protection.password.stated());
  // A protection element that does not lock the sheet leaves it unprotected.
  EXPECT_FALSE(ProtectionOf(ProtectedWorkbook("<sheetProtection objects=\"1\"/>")).on);
}

TEST(SheetProtection, ASheetLockedWithoutPasswordStatesNone) {
  const document::SheetProtectionData protection = ProtectionOf(
      ProtectedWorkbook("<sheetProtection sheet=\"1\" objects=\"1\" scenarios=\"1\"/>"));
  EXPECT_TRUE(protection.on);
  EXPECT_FALSE(protection.password.stated());
}

TEST(SheetProtection, TheLegacyHashIsItsFourHexadecimalDigits) {
  const document::SheetProtectionData protection =
      ProtectionOf(ProtectedWorkbook("<sheetProtection password=\"83AF\" sheet=\"1\"/>"));
  EXPECT_TRUE(protection.on);
  EXPECT_EQ(protection.password.legacy, 0x83AF);
  EXPECT_TRUE(protection.password.algorithm.empty());
}

TEST(SheetProtection, AnIteratedHashKeepsItsAlgorithmBytesAndSpinCount) {
  const document::SheetProtectionData protection = ProtectionOf(ProtectedWorkbook(
      "<sheetProtection algorithmName=\"SHA-512\" hashValue=\"TWFu\" saltValue=\"TQ==\" "
      "spinCount=\"100000\" sheet=\"1\" objects=\"1\" scenarios=\"1\"/>"));
  EXPECT_TRUE(protection.on);
  EXPECT_FALSE(protection.password.legacy.has_value());
  EXPECT_EQ(protection.password.algorithm, "SHA-512");
  EXPECT_EQ(protection.password.hash, "Man");
  EXPECT_EQ(protection.password.salt, "M");
  EXPECT_EQ(protection.password.spinCount, 100000u);
}

TEST(SheetProtection, LibreOfficeWritesTrueAndALowerCaseLegacyHash) {
  const document::WorkbookData open =
      ReadWorkbookFile(kTestData + "libreoffice-421-check-boxes.xlsx");
  EXPECT_FALSE(open.sheets.at(0).protection.on);
  EXPECT_TRUE(open.sheets.at(1).protection.on);
  EXPECT_FALSE(open.sheets.at(1).protection.password.stated());
  // Protected with the password "secret".
  const document::WorkbookData locked =
      ReadWorkbookFile(kTestData + "libreoffice-421-password.xlsx");
  EXPECT_TRUE(locked.sheets.at(1).protection.on);
  EXPECT_EQ(locked.sheets.at(1).protection.password.legacy, 0xDAA7);
}

TEST(SheetProtection, AChartSheetIsLockedByItsContent) {
  const auto chartSheet = [](const std::string& protection) {
    const PackageParts package = testing::ChartSheetWorkbook(
        "<chartsheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" +
        protection + "</chartsheet>");
    return ReadWorkbookBytes(testing::ZipBytes(package), "Graphique.xls").sheets.at(0);
  };
  const document::SheetData locked =
      chartSheet("<sheetProtection content=\"1\" objects=\"1\" password=\"CBEB\"/>");
  EXPECT_TRUE(locked.protection.on);
  EXPECT_EQ(locked.protection.password.legacy, 0xCBEB);
  EXPECT_FALSE(chartSheet("<sheetProtection objects=\"1\"/>").protection.on);
}

TEST(SheetProtection, AProtectionNotOfItsFormDamagesTheWorkbook) {
  struct Case {
    std::string protection;
    std::string reason;
  };
  for (const Case& damaged : std::vector<Case>{
           {"<sheetProtection sheet=\"1\" password=\"12345\"/>", "is not four hexadecimal digits"},
           {"<sheetProtection sheet=\"1\" password=\"XYZ\"/>", "is not four hexadecimal digits"},
           {"<sheetProtection sheet=\"oui\"/>", "which is not a Boolean"},
           {"<sheetProtection sheet=\"1\" hashValue=\"TWFu\"/>", "algorithm or value is missing"},
           {"<sheetProtection sheet=\"1\" algorithmName=\"SHA-512\"/>",
            "algorithm or value is missing"},
           {"<sheetProtection sheet=\"1\" algorithmName=\"SHA-512\" hashValue=\"TW!u\"/>",
            "hashValue 'TW!u', which is not base64"},
           {"<sheetProtection sheet=\"1\" algorithmName=\"SHA-512\" hashValue=\"TWFu\" "
            "saltValue=\"TQ=\"/>",
            "saltValue 'TQ=', which is not base64"},
           {"<sheetProtection sheet=\"1\" algorithmName=\"SHA-512\" hashValue=\"TWFu\" "
            "spinCount=\"10000001\"/>",
            "a spin count beyond 10000000"},
           {"<sheetProtection sheet=\"1\" algorithmName=\"SHA-512\" hashValue=\"TWFu\" "
            "spinCount=\"-1\"/>",
            "a spin count beyond 10000000"},
       }) {
    SCOPED_TRACE(damaged.protection);
    const std::string description = DamageOf(damaged.protection);
    EXPECT_NE(description.find("is damaged and cannot be opened: the part "
                               "'xl/worksheets/sheet1.xml'"),
              std::string::npos)
        << description;
    EXPECT_NE(description.find(damaged.reason), std::string::npos) << description;
  }
}

TEST(SheetProtection, ASaltLongerThanTheFormatAllowsDamagesTheWorkbook) {
  const std::string salt(87384, 'A');  // 65538 bytes once decoded
  const std::string description = DamageOf(
      "<sheetProtection sheet=\"1\" algorithmName=\"SHA-512\" hashValue=\"TWFu\" "
      "saltValue=\"" +
      salt + "\"/>");
  EXPECT_NE(description.find("a salt longer than 65536 bytes"), std::string::npos) << description;
}

}  // namespace
}  // namespace k27093::ooxml
