#include <gtest/gtest.h>

#include "document/read_fault.h"
#include "readers/xls/formula_text.h"
#include "support/chart_stream_builder.h"

namespace k27093::xls {
namespace {

using testing::Area3D;
using testing::Ref3D;
using testing::U16;
using testing::U8;

std::string Text(const std::string& tokens) {
  return FormulaText(tokens, testing::TestGlobals(), "the BRAI record");
}

constexpr std::uint16_t kRelative = 0xC000;  // fColRelative and fRwRelative

TEST(ChartFormulaText, ThreeDReferencesNameTheirSheetAndAbsoluteParts) {
  EXPECT_EQ(Text(Area3D(0, 0, 5, 0, 0)), "Sheet1!$A$1:$A$6");
  EXPECT_EQ(Text(Area3D(0, 1, 24, 1, 1)), "Sheet1!$B$2:$B$25");
  EXPECT_EQ(Text(Ref3D(1, 2, 0)), "'Template 1'!$A$3");
  EXPECT_EQ(Text(Area3D(0, 0, 1, 26 | kRelative, 27 | kRelative)), "Sheet1!AA1:AB2");
  EXPECT_EQ(Text(Ref3D(0, 9, 2 | 0x4000)), "Sheet1!C$10");
  EXPECT_EQ(Text(Ref3D(0, 9, 2 | 0x8000)), "Sheet1!$C10");
  EXPECT_EQ(Text(""), "");
}

TEST(ChartFormulaText, ReferencesWithoutSheetAndSeveralAreas) {
  EXPECT_EQ(Text(U8(0x24) + U16(1) + U16(1)), "$B$2");
  EXPECT_EQ(Text(U8(0x45) + U16(0) + U16(3) + U16(0) + U16(1)), "$A$1:$B$4");
  const std::string areas = Ref3D(0, 0, 0) + Ref3D(0, 2, 0) + U8(0x10) + U8(0x15);
  EXPECT_EQ(Text(areas), "(Sheet1!$A$1,Sheet1!$A$3)");
}

TEST(ChartFormulaText, DeletedReferencesAndUnknownSheetsReadRef) {
  EXPECT_EQ(Text(U8(0x3C) + U16(0) + U16(0) + U16(0)), "#REF!");
  EXPECT_EQ(Text(U8(0x3D) + U16(0) + std::string(8, '\0')), "#REF!");
  EXPECT_EQ(Text(U8(0x2A) + std::string(4, '\0')), "#REF!");
  EXPECT_EQ(Text(U8(0x2B) + std::string(8, '\0')), "#REF!");
  EXPECT_EQ(Text(Area3D(7, 0, 1, 0, 0)), "#REF!");
}

TEST(ChartFormulaText, LiteralTokensReadAsTheirFormulaText) {
  EXPECT_EQ(Text(U8(0x17) + testing::ShortText("a \"b\"")), "\"a \"\"b\"\"\"");
  EXPECT_EQ(Text(U8(0x1E) + U16(12)), "12");
  EXPECT_EQ(Text(U8(0x1F) + testing::F64(2.5)), "2.5");
}

TEST(ChartFormulaText, BrokenTokensAreDamage) {
  const std::string broken[] = {
      Area3D(0, 0, 5, 0, 0).substr(0, 7),  // cut short
      U8(0x03),                            // an operator a chart does not use
      Ref3D(0, 0, 0) + Ref3D(0, 1, 0),     // two formulas
      U8(0x10),                            // a union of nothing
      U8(0x15),                            // parentheses round nothing
  };
  for (const std::string& tokens : broken) {
    try {
      Text(tokens);
      ADD_FAILURE() << "no fault for " << tokens.size() << " bytes";
    } catch (const document::ReadFault& fault) {
      EXPECT_EQ(fault.kind(), document::ReadFault::Kind::Damaged);
      EXPECT_NE(fault.reason().find("the BRAI record"), std::string::npos) << fault.reason();
    }
  }
}

}  // namespace
}  // namespace k27093::xls
