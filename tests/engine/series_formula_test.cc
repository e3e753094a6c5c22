// The series formula text: parsing, printing in the canonical form, and sheet-name quoting.
#include "engine/charts/series_formula.h"

#include <gtest/gtest.h>

namespace k27093::engine {
namespace {

TEST(SeriesFormula, CanonicalFormulaRoundTrips) {
  const std::string text = "=SERIES('Année N'!$E$4,'Année N'!$F$3:$G$3,'Année N'!$F$4:$G$4,1)";
  auto formula = ParseSeriesFormula(text);
  ASSERT_TRUE(formula);
  EXPECT_EQ(formula->name.sheet, "Année N");
  EXPECT_EQ(formula->name.range, (CellRange{4, 5, 4, 5}));
  EXPECT_EQ(formula->categories.range, (CellRange{3, 6, 3, 7}));
  EXPECT_EQ(formula->values.range, (CellRange{4, 6, 4, 7}));
  EXPECT_EQ(formula->order, 1);
  EXPECT_EQ(FormatSeriesFormula(*formula), text);
}

TEST(SeriesFormula, RelativeReferencesAndLowerCaseBecomeCanonical) {
  auto formula = ParseSeriesFormula("=series( Feuil1!e4 , Feuil1!F3:G3,Feuil1!g4:f4, 2 )");
  ASSERT_TRUE(formula);
  EXPECT_EQ(FormatSeriesFormula(*formula),
            "=SERIES(Feuil1!$E$4,Feuil1!$F$3:$G$3,Feuil1!$F$4:$G$4,2)");
}

TEST(SeriesFormula, EmptyArgumentsStayEmpty) {
  auto formula = ParseSeriesFormula("=SERIES(,,Feuil1!$F$8:$G$8,5)");
  ASSERT_TRUE(formula);
  EXPECT_EQ(formula->name.kind, FormulaArgument::Kind::Empty);
  EXPECT_EQ(formula->categories.kind, FormulaArgument::Kind::Empty);
  EXPECT_EQ(FormatSeriesFormula(*formula), "=SERIES(,,Feuil1!$F$8:$G$8,5)");
}

TEST(SeriesFormula, LiteralNameWithQuotesAndCommasRoundTrips) {
  const std::string text = "=SERIES(\"Moy, \"\"totale\"\" (€)\",,{1,2.5},3)";
  auto formula = ParseSeriesFormula(text);
  ASSERT_TRUE(formula);
  EXPECT_EQ(formula->name.kind, FormulaArgument::Kind::Text);
  EXPECT_EQ(formula->name.text, "Moy, \"totale\" (€)");
  ASSERT_EQ(formula->values.items.size(), 2u);
  EXPECT_EQ(ToDouble(formula->values.items[1]), 2.5);
  EXPECT_EQ(FormatSeriesFormula(*formula), text);
}

TEST(SeriesFormula, ArrayOfTextsRoundTrips) {
  const std::string text = "=SERIES(,{\"Trim 1\",\"Trim 2\"},{10,20},1)";
  auto formula = ParseSeriesFormula(text);
  ASSERT_TRUE(formula);
  ASSERT_EQ(formula->categories.items.size(), 2u);
  EXPECT_EQ(formula->categories.items[0].AsText(), "Trim 1");
  EXPECT_EQ(FormatSeriesFormula(*formula), text);
}

TEST(SeriesFormula, SheetNameWithDoubledApostropheIsUnquoted) {
  auto formula = ParseSeriesFormula("=SERIES('L''année'!$A$1,,'L''année'!$B$1:$B$3,1)");
  ASSERT_TRUE(formula);
  EXPECT_EQ(formula->name.sheet, "L'année");
  EXPECT_EQ(FormatSeriesFormula(*formula), "=SERIES('L''année'!$A$1,,'L''année'!$B$1:$B$3,1)");
}

TEST(SeriesFormula, RefusesTextsThatAreNoSeriesFormula) {
  for (const char* text :
       {"", "SERIES(,,A1,1)", "=SERIES(,,A1)", "=SERIES(,,A1,0)", "=SERIES(,,A1,x)",
        "=SERIES(,,A1,1", "=SERIES(,,A1,1) junk", "=SUM(,,A1,1)", "=SERIES(,,Feuil1!ZZZZ1,1)",
        "=SERIES({1},,A1,1)", "=SERIES(,,[Book1.xls]Feuil1!$A$1,1)", "=SERIES(\"open,,A1,1)",
        "=SERIES(,,'Feuil1!$A$1,1)", "=SERIES(,,A1:,1)"}) {
    EXPECT_FALSE(ParseSeriesFormula(text)) << text;
  }
}

TEST(SeriesFormula, QuotesSheetNamesAsTheSpreadsheetDoes) {
  EXPECT_EQ(QuoteSheetName("Feuil1"), "Feuil1");
  EXPECT_EQ(QuoteSheetName("Sheeté"), "Sheeté");
  EXPECT_EQ(QuoteSheetName("Données_2006.v2"), "Données_2006.v2");
  EXPECT_EQ(QuoteSheetName("Année N"), "'Année N'");
  EXPECT_EQ(QuoteSheetName("Année N-1"), "'Année N-1'");
  EXPECT_EQ(QuoteSheetName("L'année"), "'L''année'");
  EXPECT_EQ(QuoteSheetName("2006"), "'2006'");
  EXPECT_EQ(QuoteSheetName("Ventes&Co"), "'Ventes&Co'");
  EXPECT_EQ(QuoteSheetName("A1"), "'A1'");
  EXPECT_EQ(QuoteSheetName("R1C1"), "'R1C1'");
  EXPECT_EQ(QuoteSheetName("Rapport"), "Rapport");
}

TEST(SeriesFormula, ParsesALoneArgument) {
  auto reference = ParseFormulaArgument("'Année N'!$E$8");
  ASSERT_TRUE(reference);
  EXPECT_EQ(reference->kind, FormulaArgument::Kind::Reference);
  EXPECT_EQ(reference->sheet, "Année N");
  EXPECT_FALSE(ParseFormulaArgument("'Année N'!$E$8,"));
}

}  // namespace
}  // namespace k27093::engine
