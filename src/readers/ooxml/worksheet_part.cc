#include "readers/ooxml/worksheet_part.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "document/read_fault.h"
#include "readers/ooxml/cell_reference.h"
#include "readers/ooxml/sheet_protection.h"
#include "readers/ooxml/sheet_view.h"
#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/xml_part.h"
#include "readers/ooxml/xml_slices.h"

namespace k27093::ooxml {
namespace {

template <class Number>
std::optional<Number> WholeNumber(std::string_view text) {
  text = Trimmed(text);
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

// Days from 1970-01-01 to the civil date (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

class CellReader {
 public:
  CellReader(std::string_view part, const SharedStrings& sharedStrings)
      : part_(part), sharedStrings_(sharedStrings) {}

  // The value of the cell element at `position`; nullopt for a cell without a value.
  std::optional<Variant> ValueOf(pugi::xml_node cell, CellPosition position) const {
    const std::string_view type = PlainAttribute(cell, "t").value();
    if (type == "inlineStr") {
      const pugi::xml_node inlineText = ChildNamed(cell, "is");
      if (!inlineText) return std::nullopt;
      return Variant(PlainText(inlineText, part_));
    }
    const pugi::xml_node valueNode = ChildNamed(cell, "v");
    if (!valueNode) return std::nullopt;
    std::string text = ElementText(valueNode, part_);
    if (type.empty() || type == "n") {
      if (Trimmed(text).empty()) return std::nullopt;
      return Variant(Checked(FiniteNumber(text), position, "a number"));
    }
    if (type == "s") {
      // A shared-string cell without an index is an empty cell, as the spreadsheet opens it.
      if (Trimmed(text).empty()) return std::nullopt;
      return Variant(SharedString(text, position));
    }
    if (type == "str" || type == "e") return Variant(std::move(text));
    if (type == "b") return Variant(Checked(BooleanOf(text), position, "a Boolean"));
    if (type == "d") return Variant(Checked(DateSerialOf(Trimmed(text)), position, "a date"));
    Fail(position, "has the unknown type " + Quoted(type));
  }

 private:
  [[noreturn]] void Fail(CellPosition position, const std::string& what) const {
    document::FailDamaged("the cell " + CellReferenceText(position) + " of the part " +
                          Quoted(part_) + " " + what);
  }

  template <class Value>
  Value Checked(std::optional<Value> value, CellPosition position, std::string_view what) const {
    if (!value) Fail(position, "does not hold " + std::string(what));
    return *value;
  }

  static std::optional<bool> BooleanOf(std::string_view text) {
    text = Trimmed(text);
    if (text == "1" || text == "true") return true;
    if (text == "0" || text == "false") return false;
    return std::nullopt;
  }

  std::string SharedString(std::string_view text, CellPosition position) const {
    const std::optional<std::size_t> index = WholeNumber<std::size_t>(text);
    if (!index || *index >= sharedStrings_.size()) {
      Fail(position,
           "refers to the shared string " + Quoted(Trimmed(text)) + ", which does not exist");
    }
    return std::string(sharedStrings_[*index]);
  }

  std::string_view part_;
  const SharedStrings& sharedStrings_;
};

// A width or height attribute; nullopt when absent.
std::optional<double> SizeAttribute(pugi::xml_node node, std::string_view name,
                                    std::string_view part) {
  const pugi::xml_attribute attribute = PlainAttribute(node, name);
  if (!attribute) return std::nullopt;
  const std::optional<double> value = FiniteNumber(attribute.value());
  if (!value) {
    document::FailDamaged("the part " + Quoted(part) + " has the " + std::string(name) + " " +
                          Quoted(attribute.value()) + ", which is not a number");
  }
  return value;
}

bool FlagAttribute(pugi::xml_node node, std::string_view name) {
  const std::string_view value = Trimmed(PlainAttribute(node, name).value());
  return value == "1" || value == "true";
}

void ReadRowHeight(pugi::xml_node row, std::int32_t rowNumber, std::string_view part,
                   document::SheetLayoutSource& layout) {
  const std::optional<double> height = SizeAttribute(row, "ht", part);
  if (FlagAttribute(row, "hidden")) {
    layout.rows.emplace_back(rowNumber, 0.0);
  } else if (height) {
    layout.rows.emplace_back(rowNumber, *height);
  }
}

// The <control> elements of <controls>, also when markup-compatibility wrappers hold them.
void ReadControls(pugi::xml_node root, std::string_view part, ContentBudget& budget,
                  std::vector<WorksheetInfo::Control>& controls) {
  for (pugi::xml_node list : ChildrenUnwrapped(root, "controls")) {
    for (pugi::xml_node control : ChildrenUnwrapped(list, "control")) {
      budget.Take(part, 0);
      const std::optional<std::int64_t> id =
          WholeNumber<std::int64_t>(PlainAttribute(control, "shapeId").value());
      if (!id) {
        document::FailDamaged("a control of the part " + Quoted(part) + " has no valid shape id");
      }
      controls.push_back({*id, RelationshipIdOf(control)});
    }
  }
}

void ReadSheetInfo(pugi::xml_node root, std::string_view part, ContentBudget& budget,
                   WorksheetInfo& info) {
  info.drawingId = RelationshipIdOf(ChildNamed(root, "drawing"));
  info.legacyDrawingId = RelationshipIdOf(ChildNamed(root, "legacyDrawing"));
  info.protection =
      ReadSheetProtection(ChildNamed(root, "sheetProtection"), "sheet", PartScope(part, budget));
  const pugi::xml_node format = ChildNamed(root, "sheetFormatPr");
  info.layout.defaultColumnWidth = SizeAttribute(format, "defaultColWidth", part);
  info.layout.baseColumnWidth = SizeAttribute(format, "baseColWidth", part);
  info.layout.defaultRowHeight = SizeAttribute(format, "defaultRowHeight", part);
  for (pugi::xml_node column : ChildNamed(root, "cols").children()) {
    if (column.type() != pugi::node_element || LocalName(column.name()) != "col") continue;
    budget.Take(part, 0);
    const auto first = WholeNumber<std::int32_t>(PlainAttribute(column, "min").value());
    const auto last = WholeNumber<std::int32_t>(PlainAttribute(column, "max").value());
    if (!first || !last || *first < 1 || *last < *first || *last > kMaxColumns) {
      document::FailDamaged("the part " + Quoted(part) + " describes columns outside the sheet");
    }
    info.layout.columns.push_back(
        {*first, *last, SizeAttribute(column, "width", part), FlagAttribute(column, "hidden")});
  }
  ReadControls(root, part, budget, info.controls);
}

// The number of a row element: its own, or the one after the previous row's.
std::int32_t RowNumberOf(pugi::xml_node row, std::int32_t previous, std::string_view part) {
  const pugi::xml_attribute rowAttribute = PlainAttribute(row, "r");
  if (!rowAttribute) {
    if (previous + 1 > kMaxRows) {
      document::FailDamaged("the part " + Quoted(part) + " has more rows than a sheet");
    }
    return previous + 1;
  }
  const std::optional<std::int32_t> number = WholeNumber<std::int32_t>(rowAttribute.value());
  if (!number || *number < 1 || *number > kMaxRows) {
    document::FailDamaged("a row of the part " + Quoted(part) + " has the number " +
                          Quoted(rowAttribute.value()) + ", outside the sheet");
  }
  return *number;
}

// Appends the cells of the row that hold a value; a cell without its reference follows the
// previous one.
void ReadRowCells(pugi::xml_node row, std::int32_t rowNumber, const CellReader& reader,
                  std::string_view part, ContentBudget& budget, document::SheetData& sheet) {
  CellPosition position{rowNumber, 0};
  for (pugi::xml_node cell : row.children()) {
    if (cell.type() != pugi::node_element || LocalName(cell.name()) != "c") continue;
    const pugi::xml_attribute reference = PlainAttribute(cell, "r");
    if (reference) {
      const std::optional<CellPosition> parsed = ParseCellReference(reference.value());
      if (!parsed) {
        document::FailDamaged("the part " + Quoted(part) + " has a cell at " +
                              Quoted(reference.value()) + ", which is not a cell of the sheet");
      }
      position = *parsed;
    } else if (++position.column > kMaxColumns) {
      document::FailDamaged("a row of the part " + Quoted(part) + " has more cells than a sheet");
    }
    std::optional<Variant> value = reader.ValueOf(cell, position);
    if (!value) continue;
    budget.Take(part, value->IsText() ? value->AsText().size() : 0);
    sheet.cells.push_back(document::CellData{position.row, position.column, std::move(*value)});
  }
}

}  // namespace

SharedStrings ReadSharedStrings(Package& package, std::string_view part) {
  SharedStrings strings;
  if (part.empty()) return strings;
  const std::string bytes = package.Read(part);
  const SlicedXmlPart table(bytes, part, "sst", "");
  table.ForEachChild([&](pugi::xml_node item) {
    if (item.type() == pugi::node_element && LocalName(item.name()) == "si") {
      strings.Add(PlainText(item, part));
    }
  });
  return strings;
}

void ReadWorksheetCells(Package& package, std::string_view part, std::string_view rootElement,
                        const SharedStrings& sharedStrings, ContentBudget& budget,
                        document::SheetData& sheet, WorksheetInfo& info) {
  const std::string bytes = package.Read(part);
  const SlicedXmlPart sheetPart(bytes, part, rootElement, "sheetData");
  const pugi::xml_node root = sheetPart.root();
  ReadSheetInfo(root, part, budget, info);
  sheet.selection = SelectedCellsOf(root);
  const CellReader reader(part, sharedStrings);
  std::int32_t rowNumber = 0;
  sheetPart.ForEachChild([&](pugi::xml_node row) {
    if (row.type() != pugi::node_element || LocalName(row.name()) != "row") return;
    rowNumber = RowNumberOf(row, rowNumber, part);
    ReadRowHeight(row, rowNumber, part, info.layout);
    ReadRowCells(row, rowNumber, reader, part, budget, sheet);
  });
}

std::optional<double> DateSerialOf(std::string_view isoDate) {
  // YYYY-MM-DD
  if (isoDate.size() < 10 || isoDate[4] != '-' || isoDate[7] != '-') return std::nullopt;
  const auto year = WholeNumber<int>(isoDate.substr(0, 4));
  const auto month = WholeNumber<int>(isoDate.substr(5, 2));
  const auto day = WholeNumber<int>(isoDate.substr(8, 2));
  if (!year || !month || !day || *year < 1900 || *month < 1 || *month > 12 || *day < 1) {
    return std::nullopt;
  }
  constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int monthDays = kMonthDays[*month - 1] + (*month == 2 && IsLeapYear(*year) ? 1 : 0);
  if (*day > monthDays) return std::nullopt;
  double serial =
      static_cast<double>(DaysFromCivil(*year, *month, *day) - DaysFromCivil(1899, 12, 30));
  // The spreadsheet counts a 29 February 1900 that never was: earlier dates are one less.
  if (serial < 61) serial -= 1;

  std::string_view time = isoDate.substr(10);
  if (time.ends_with('Z')) time.remove_suffix(1);
  if (time.empty()) return serial;
  if (time.size() < 6 || time[0] != 'T' || time[3] != ':') return std::nullopt;
  const auto hours = WholeNumber<int>(time.substr(1, 2));
  const auto minutes = WholeNumber<int>(time.substr(4, 2));
  double seconds = 0;
  if (time.size() > 6) {
    if (time[6] != ':' || time.size() < 9) return std::nullopt;
    const auto parsed = FiniteNumber(time.substr(7));
    if (!parsed || *parsed < 0 || *parsed >= 60) return std::nullopt;
    seconds = *parsed;
  }
  if (!hours || !minutes || *hours < 0 || *hours > 23 || *minutes < 0 || *minutes > 59) {
    return std::nullopt;
  }
  return serial + (*hours * 3600.0 + *minutes * 60.0 + seconds) / 86400.0;
}

}  // namespace k27093::ooxml
