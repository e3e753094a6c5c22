// A1-style cell references and ISO dates as workbook files store them.
#include <gtest/gtest.h>

#include "readers/ooxml/cell_reference.h"
#include "readers/ooxml/worksheet_part.h"

namespace k27093::ooxml {
namespace {

TEST(CellReference, LettersAreTheColumnAndDigitsTheRow) {
  EXPECT_EQ(ParseCellReference("E4"), (CellPosition{4, 5}));
  EXPECT_EQ(ParseCellReference("G9"), (CellPosition{9, 7}));
  EXPECT_EQ(ParseCellReference("AB12"), (CellPosition{12, 28}));
  EXPECT_EQ(ParseCellReference("$e$4"), (CellPosition{4, 5}));
  EXPECT_EQ(ParseCellReference("XFD1048576"), (CellPosition{1048576, 16384}));
}

TEST(CellReference, AnythingElseIsNoReference) {
  for (const char* text : {"", "E", "4", "4E", "E0", "E4 ", "E-4", "XFE1", "A1048577", "É4",
                           "AAAAAAAAAAAAAAA1", "A99999999999999999999"}) {
    EXPECT_FALSE(ParseCellReference(text).has_value()) << text;
  }
}

TEST(CellReference, ColumnLettersRoundTrip) {
  EXPECT_EQ(ColumnLetters(1), "A");
  EXPECT_EQ(ColumnLetters(26), "Z");
  EXPECT_EQ(ColumnLetters(27), "AA");
  EXPECT_EQ(ColumnLetters(16384), "XFD");
  EXPECT_EQ(ColumnLetters(0), "");
  EXPECT_EQ(ColumnLetters(16385), "");
  for (std::int32_t column : {1, 25, 26, 27, 52, 53, 702, 703, 16384}) {
    EXPECT_EQ(ParseCellReference(CellReferenceText({3, column})), (CellPosition{3, column}));
  }
}

TEST(DateSerial, CountsAsTheSpreadsheetDoes) {
  EXPECT_EQ(DateSerialOf("1900-01-01"), 1.0);
  EXPECT_EQ(DateSerialOf("1900-02-28"), 59.0);
  EXPECT_EQ(DateSerialOf("1900-03-01"), 61.0);
  EXPECT_EQ(DateSerialOf("2024-01-15"), 45306.0);
  EXPECT_EQ(DateSerialOf("2024-01-15T18:00:00Z"), 45306.75);
  EXPECT_EQ(DateSerialOf("2024-02-29T06:00"), 45351.25);
}

TEST(DateSerial, RefusesWhatIsNoDate) {
  for (const char* text : {"", "2024", "2023-02-29", "2024-13-01", "2024-01-32", "1899-12-31",
                           "2024-01-15T24:00:00", "2024-01-15 12:00", "2024-01-15T12:00:61"}) {
    EXPECT_FALSE(DateSerialOf(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace k27093::ooxml
