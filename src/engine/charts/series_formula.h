// The text of a series formula, "=SERIES(name,categories,values,order)", parsed into its
// parts and printed back in the spreadsheet's canonical form. Each of the first three
// arguments is empty, a literal ("SUD", {1,2}) or a cell reference ('Année N'!$E$4). A pure
// unit: it knows nothing of workbooks (a reference keeps its sheet name as written).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "api/variant.h"
#include "engine/workbooks/cell_address.h"

namespace k27093::engine {

struct FormulaArgument {
  // Broken: a reference whose sheet was deleted, printed as its text ("#REF!"), or one that a
  // file stored and the workbook cannot resolve, printed as stored.
  enum class Kind { Empty, Text, Array, Reference, Broken };
  Kind kind = Kind::Empty;
  std::string text;            // Text: the literal, without its quotes; Broken: "#REF!"
  std::vector<Variant> items;  // Array: numbers (Double) and texts, in order
  std::string sheet;           // Reference: the sheet name, unquoted ("" when none was given)
  CellRange range;             // Reference

  bool operator==(const FormulaArgument& other) const;
};

struct SeriesFormula {
  FormulaArgument name;
  FormulaArgument categories;
  FormulaArgument values;
  std::int32_t order = 1;  // 1-based plot order
};

// Parses a series formula: "=SERIES(" (any case), four arguments, ")". Relative references
// are accepted and become absolute. nullopt for any other text, a reference to another
// workbook, a name argument that is an array, or an order that is not a positive integer.
std::optional<SeriesFormula> ParseSeriesFormula(std::string_view text);

// One argument on its own: "'Année N'!$E$4", "\"SUD\"", "{1,2}" or "". nullopt when the text
// is none of these.
std::optional<FormulaArgument> ParseFormulaArgument(std::string_view text);

// The canonical text: "=SERIES('Année N'!$E$4,'Année N'!$F$3:$G$3,'Année N'!$F$4:$G$4,1)".
std::string FormatSeriesFormula(const SeriesFormula& formula);

// A sheet name as a reference writes it: quoted ('Année N') when it holds anything but
// letters (accented ones included), digits, "_" and ".", starts with a digit or reads like a
// cell address; quotes inside are doubled.
std::string QuoteSheetName(std::string_view name);

}  // namespace k27093::engine
