// The workbook's theme: the typefaces of its font scheme and the colours of its colour scheme,
// from files saved by Excel and by libxlsxwriter, the absent theme, damaged themes (left out:
// the workbook opens with the default), and what a theme font reference names.
#include <gtest/gtest.h>

#include "support/workbook_fixtures.h"

#include <string>

#include "api/error.h"
#include "document/read_fault.h"
#include "readers/ooxml/package.h"
#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"
#include "readers/ooxml/theme_part.h"

namespace k27093::ooxml {
namespace {

using testing::AddTheme;
using testing::MinimalWorkbook;
using testing::PackageParts;
using testing::ThemeXml;
using testing::ZipBytes;

const std::string kExcelFolder = std::string(K27093_EXCEL_FILES) + "/";

// The colour number of "RRGGBB" written as its three components.
std::int32_t Rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

// The colours of the Office theme that Excel 2007 and libxlsxwriter write.
void ExpectOfficeTheme(const std::optional<document::ThemeData>& theme) {
  ASSERT_TRUE(theme.has_value());
  EXPECT_EQ(theme->majorFont.latin, "Cambria");
  EXPECT_EQ(theme->minorFont.latin, "Calibri");
  EXPECT_EQ(theme->minorFont.eastAsian, "");
  ASSERT_EQ(theme->colors.size(), 12u);
  EXPECT_EQ(theme->colors.at("dk1"), 0);                      // sysClr windowText, 000000
  EXPECT_EQ(theme->colors.at("lt1"), Rgb(255, 255, 255));     // sysClr window, FFFFFF
  EXPECT_EQ(theme->colors.at("dk2"), Rgb(0x1F, 0x49, 0x7D));  // 1F497D
  EXPECT_EQ(theme->colors.at("lt2"), Rgb(0xEE, 0xEC, 0xE1));
  EXPECT_EQ(theme->colors.at("accent1"), Rgb(0x4F, 0x81, 0xBD));
  EXPECT_EQ(theme->colors.at("accent6"), Rgb(0xF7, 0x96, 0x46));
  EXPECT_EQ(theme->colors.at("hlink"), Rgb(0, 0, 255));
  EXPECT_EQ(theme->colors.at("folHlink"), Rgb(0x80, 0, 0x80));
}

document::WorkbookData ReadPackage(const PackageParts& package) {
  return ReadWorkbookBytes(ZipBytes(package), "Ventes.xls");
}

PackageParts WorkbookWithTheme(const std::string& elements) {
  PackageParts package = MinimalWorkbook();
  AddTheme(package, ThemeXml(elements));
  return package;
}

// A damaged theme leaves the workbook without one: it opens with its sheet, and the theme's
// reader states the fault, naming the part and `reason`.
void ExpectThemeLeftOut(const PackageParts& package, const std::string& reason) {
  const document::WorkbookData data = ReadPackage(package);
  EXPECT_FALSE(data.theme.has_value());
  EXPECT_EQ(data.sheets.size(), 1u);
  const std::string bytes = ZipBytes(package);
  Package opened(bytes);
  ContentBudget budget;
  try {
    ReadTheme(opened, "xl/theme/theme1.xml", budget);
    ADD_FAILURE() << "the theme was read";
  } catch (const document::ReadFault& fault) {
    EXPECT_EQ(fault.kind(), document::ReadFault::Kind::Damaged);
    EXPECT_NE(fault.reason().find("the part 'xl/theme/theme1.xml' " + reason), std::string::npos)
        << fault.reason();
  }
}

PackageParts WorkbookWithThemePart(const std::string& themeXml) {
  PackageParts package = MinimalWorkbook();
  AddTheme(package, themeXml);
  return package;
}

TEST(WorkbookTheme, AnExcelSavedWorkbookGivesTheOfficeFontsAndColours) {
  for (const char* file : {"chart_font01.xlsx", "comment01.xlsx", "chartsheet01.xlsx"}) {
    SCOPED_TRACE(file);
    ExpectOfficeTheme(ReadWorkbookFile(kExcelFolder + file).theme);
  }
}

TEST(WorkbookTheme, ALibxlsxwriterWorkbookGivesItsTheme) {
  const std::string path = testing::FreshFolder("theme") + "Ventes.xlsx";
  testsupport::WriteVentesWorkbook(path);
  ExpectOfficeTheme(ReadWorkbookFile(path).theme);
}

TEST(WorkbookTheme, APackageWithoutThemeHasNone) {
  EXPECT_FALSE(ReadPackage(MinimalWorkbook()).theme.has_value());
  const document::WorkbookData saved =
      ReadWorkbookFile(std::string(K27093_TEST_DATA) + "/libreoffice-401-right.xlsx");
  EXPECT_FALSE(saved.theme.has_value());
}

TEST(WorkbookTheme, TheSchemesAreReadFromTheThemePartTheWorkbookNames) {
  const document::WorkbookData data = ReadPackage(WorkbookWithTheme(
      "<a:clrScheme name=\"x\"><a:dk1><a:srgbClr val=\"102030\"/></a:dk1>"
      "<a:lt1><a:sysClr val=\"window\"/></a:lt1>"
      "<a:accent2><a:sysClr val=\"windowText\" lastClr=\"0000FF\"/></a:accent2>"
      "<a:accent3><a:prstClr val=\"red\"/></a:accent3></a:clrScheme>"
      "<a:fontScheme name=\"x\"><a:majorFont><a:latin typeface=\"Georgia\"/>"
      "<a:ea typeface=\"MS Mincho\"/><a:cs typeface=\"\"/></a:majorFont>"
      "<a:minorFont><a:latin typeface=\"Verdana\"/><a:cs typeface=\"Tahoma\"/></a:minorFont>"
      "</a:fontScheme>"));
  ASSERT_TRUE(data.theme.has_value());
  EXPECT_EQ(data.theme->majorFont.latin, "Georgia");
  EXPECT_EQ(data.theme->majorFont.eastAsian, "MS Mincho");
  EXPECT_EQ(data.theme->minorFont.latin, "Verdana");
  EXPECT_EQ(data.theme->minorFont.complexScript, "Tahoma");
  EXPECT_EQ(data.theme->minorFont.eastAsian, "");
  // A system colour without its last value takes its usual one; colours left out are absent.
  EXPECT_EQ(data.theme->colors.size(), 4u);
  EXPECT_EQ(data.theme->colors.at("dk1"), Rgb(0x10, 0x20, 0x30));
  EXPECT_EQ(data.theme->colors.at("lt1"), Rgb(255, 255, 255));
  EXPECT_EQ(data.theme->colors.at("accent2"), Rgb(0, 0, 255));
  EXPECT_EQ(data.theme->colors.at("accent3"), Rgb(255, 0, 0));
}

TEST(WorkbookTheme, AThemeWithoutSchemesHasEmptyFontsAndNoColours) {
  const document::WorkbookData data = ReadPackage(WorkbookWithTheme(""));
  ASSERT_TRUE(data.theme.has_value());
  EXPECT_EQ(data.theme->minorFont.latin, "");
  EXPECT_TRUE(data.theme->colors.empty());
}

TEST(DamagedTheme, MalformedXmlLeavesTheWorkbookWithoutTheme) {
  ExpectThemeLeftOut(
      WorkbookWithThemePart("<a:theme xmlns:a=\"urn:a\"><a:themeElements></a:theme>"),
      "is not well-formed XML");
}

TEST(DamagedTheme, AnotherRootElementLeavesTheWorkbookWithoutTheme) {
  ExpectThemeLeftOut(WorkbookWithThemePart("<a:themeOverride xmlns:a=\"urn:a\"/>"),
                     "has no <theme> root element");
}

TEST(DamagedTheme, AColourNotInRrggbbFormLeavesTheWorkbookWithoutTheme) {
  ExpectThemeLeftOut(
      WorkbookWithThemePart(ThemeXml("<a:clrScheme name=\"x\"><a:accent1><a:srgbClr val=\"4F81B\"/>"
                                     "</a:accent1></a:clrScheme>")),
      "has the colour '4F81B', which is not RRGGBB");
}

TEST(DamagedTheme, AThemeTheWorkbookNamesButThePackageLacksIsLeftOut) {
  PackageParts package = WorkbookWithTheme("");
  package.parts.erase("xl/theme/theme1.xml");
  ExpectThemeLeftOut(package, "is missing");
}

document::ThemeData FontTheme() {
  document::ThemeData theme;
  theme.majorFont = {"Georgia", "MS Mincho", ""};
  theme.minorFont = {"Verdana", "", "Tahoma"};
  return theme;
}

TEST(ThemeTypeface, ReferencesNameTheMajorOrMinorFontsFacesAnEmptyOneTheLatin) {
  const std::optional<document::ThemeData> theme = FontTheme();
  EXPECT_EQ(EffectiveTypeface("+mn-lt", theme), "Verdana");
  EXPECT_EQ(EffectiveTypeface("+mj-lt", theme), "Georgia");
  EXPECT_EQ(EffectiveTypeface("+mj-ea", theme), "MS Mincho");
  EXPECT_EQ(EffectiveTypeface("+mn-cs", theme), "Tahoma");
  EXPECT_EQ(EffectiveTypeface("+mn-ea", theme), "Verdana");
  EXPECT_EQ(EffectiveTypeface("+mj-cs", theme), "Georgia");
}

TEST(ThemeTypeface, ATypefaceIsItselfAsStored) {
  EXPECT_EQ(EffectiveTypeface("arial", FontTheme()), "arial");
  EXPECT_EQ(EffectiveTypeface("Times New Roman", std::nullopt), "Times New Roman");
}

TEST(ThemeTypeface, WhatNamesNoFaceGivesNothing) {
  const std::optional<document::ThemeData> theme = FontTheme();
  EXPECT_FALSE(EffectiveTypeface("", theme).has_value());
  EXPECT_FALSE(EffectiveTypeface("+mn-lt", std::nullopt).has_value());
  EXPECT_FALSE(EffectiveTypeface("+mx-lt", theme).has_value());
  EXPECT_FALSE(EffectiveTypeface("+mn-xx", theme).has_value());
  EXPECT_FALSE(EffectiveTypeface("+mn-lt-", theme).has_value());
  EXPECT_FALSE(EffectiveTypeface("+mn-lt", document::ThemeData{}).has_value());
}

}  // namespace
}  // namespace k27093::ooxml
