// The reader of a package's custom document properties, on packages written by libxlsxwriter
// and altered with libzip: names and values in order, the relationship that finds the part,
// and the refusals (missing part, DOCTYPE, oversized part, no package).
#include "readers/ooxml/custom_properties.h"

#include <xlsxwriter.h>

#include <fstream>

#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

class CustomPropertiesTest : public ::testing::Test {
 protected:
  // A workbook with the custom properties Macro1 (text), Pages (number), Relu (boolean).
  std::string WriteDeclaringWorkbook() {
    const std::string path = folder.File("Proprietes.xlsx");
    lxw_workbook* workbook = workbook_new(path.c_str());
    EXPECT_NE(workbook, nullptr);
    workbook_add_worksheet(workbook, "Feuil1");
    workbook_set_custom_property_string(workbook, "Macro1", "module1.GetRep");
    workbook_set_custom_property_number(workbook, "Pages", 12.5);
    workbook_set_custom_property_boolean(workbook, "Relu", 1);
    EXPECT_EQ(workbook_close(workbook), LXW_NO_ERROR);
    return path;
  }

  static std::string PropertiesXml(std::string_view prologue, std::string_view body) {
    return std::string(prologue) +
           "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/"
           "custom-properties\" xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/"
           "2006/docPropsVTypes\">" +
           std::string(body) + "</Properties>";
  }

  ScratchFolder folder;
};

TEST_F(CustomPropertiesTest, ReadsNamesAndValuesInFileOrder) {
  const auto properties = ooxml::ReadCustomProperties(WriteDeclaringWorkbook());
  ASSERT_EQ(properties.size(), 3u);
  EXPECT_EQ(properties[0], (std::pair<std::string, std::string>{"Macro1", "module1.GetRep"}));
  EXPECT_EQ(properties[1].first, "Pages");
  EXPECT_DOUBLE_EQ(std::stod(properties[1].second), 12.5);
  EXPECT_EQ(properties[2].first, "Relu");
  EXPECT_EQ(properties[2].second, "true");
}

TEST_F(CustomPropertiesTest, APackageWithoutCustomPropertiesHasNone) {
  const std::string path = folder.File("Ventes.xlsx");
  WriteSalesWorkbook(path);
  EXPECT_TRUE(ooxml::ReadCustomProperties(path).empty());
}

TEST_F(CustomPropertiesTest, ReadsEscapedTextAndSkipsOtherElements) {
  const std::string path = WriteDeclaringWorkbook();
  RewritePackageEntry(
      path, "docProps/custom.xml",
      PropertiesXml("<?xml version=\"1.0\"?>",
                    "<property fmtid=\"{D5CDD505-2E9C-101B-9397-08002B2CF9AE}\" pid=\"2\" "
                    "name=\"Année &amp; mois\"><vt:lpwstr>a &lt; b</vt:lpwstr></property>"
                    "<other name=\"x\"/><property name=\"Vide\"/>"));
  const auto properties = ooxml::ReadCustomProperties(path);
  ASSERT_EQ(properties.size(), 2u);
  EXPECT_EQ(properties[0].first, "Année & mois");
  EXPECT_EQ(properties[0].second, "a < b");
  EXPECT_EQ(properties[1].first, "Vide");
  EXPECT_EQ(properties[1].second, "");
}

TEST_F(CustomPropertiesTest, RefusesAMissingPropertiesPart) {
  const std::string path = WriteDeclaringWorkbook();
  RewritePackageEntry(path, "docProps/custom.xml", "");
  const Error error = CaughtError([&] { ooxml::ReadCustomProperties(path); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.source(), "Microsoft Office Excel");
  EXPECT_NE(error.description().find("is damaged"), std::string::npos) << error.description();
  EXPECT_NE(error.description().find(path), std::string::npos);
}

TEST_F(CustomPropertiesTest, RefusesADocumentTypeDeclaration) {
  const std::string path = WriteDeclaringWorkbook();
  RewritePackageEntry(
      path, "docProps/custom.xml",
      PropertiesXml("<!DOCTYPE Properties [<!ENTITY e \"boom\">]>",
                    "<property name=\"Macro1\"><vt:lpwstr>&e;</vt:lpwstr></property>"));
  const Error error = CaughtError([&] { ooxml::ReadCustomProperties(path); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_NE(error.description().find("docProps/custom.xml"), std::string::npos)
      << error.description();
}

TEST_F(CustomPropertiesTest, RefusesAPropertiesPartLargerThanTheBound) {
  const std::string path = WriteDeclaringWorkbook();
  const std::string filler(ooxml::kMaxCustomPropertiesBytes, ' ');
  RewritePackageEntry(
      path, "docProps/custom.xml",
      PropertiesXml("",
                    "<property name=\"Macro1\"><vt:lpwstr>module1.GetRep</vt:lpwstr>"
                    "</property>" +
                        filler));
  const Error error = CaughtError([&] { ooxml::ReadCustomProperties(path); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_NE(error.description().find("larger than"), std::string::npos) << error.description();
}

TEST_F(CustomPropertiesTest, RefusesWhatIsNoPackage) {
  const std::string path = folder.File("Texte.xls");
  std::ofstream(path) << "not a workbook";
  const Error error = CaughtError([&] { ooxml::ReadCustomProperties(path); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_NE(error.description().find("is not a workbook"), std::string::npos);
  EXPECT_EQ(CaughtError([&] { ooxml::ReadCustomProperties(folder.File("absent.xls")); }).number(),
            1004);
}

}  // namespace
}  // namespace k27093::engine::testing
