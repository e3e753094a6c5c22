#include "engine/charts/series_source.h"

#include "engine/workbooks/workbook.h"
#include "engine/workbooks/worksheet.h"

namespace k27093::engine {

std::optional<SeriesSource> BindArgument(const FormulaArgument& argument,
                                         const WorkbookImpl& workbook,
                                         const std::shared_ptr<WorksheetImpl>& defaultSheet) {
  SeriesSource source;
  switch (argument.kind) {
    case FormulaArgument::Kind::Empty:
      return source;
    case FormulaArgument::Kind::Text:
      source.kind = SeriesSource::Kind::Text;
      source.text = argument.text;
      return source;
    case FormulaArgument::Kind::Array:
      source.kind = SeriesSource::Kind::Values;
      source.values = argument.items;
      return source;
    case FormulaArgument::Kind::Reference: {
      auto sheet = argument.sheet.empty() ? defaultSheet : workbook.FindWorksheet(argument.sheet);
      if (!sheet) return std::nullopt;
      source.kind = SeriesSource::Kind::Cells;
      source.sheet = sheet;
      source.range = argument.range;
      return source;
    }
    case FormulaArgument::Kind::Broken:
      return std::nullopt;
  }
  return std::nullopt;
}

FormulaArgument ArgumentOf(const SeriesSource& source) {
  FormulaArgument argument;
  switch (source.kind) {
    case SeriesSource::Kind::None:
      break;
    case SeriesSource::Kind::Text:
      argument.kind = FormulaArgument::Kind::Text;
      argument.text = source.text;
      break;
    case SeriesSource::Kind::Values:
      argument.kind = FormulaArgument::Kind::Array;
      argument.items = source.values;
      break;
    case SeriesSource::Kind::Cached:
      argument.kind = FormulaArgument::Kind::Broken;
      argument.text = source.text;
      break;
    case SeriesSource::Kind::Cells: {
      auto sheet = source.sheet.lock();
      if (!sheet || !sheet->presence()->Present()) {
        argument.kind = FormulaArgument::Kind::Broken;
        argument.text = "#REF!";
        break;
      }
      argument.kind = FormulaArgument::Kind::Reference;
      argument.sheet = sheet->name();
      argument.range = source.range;
      break;
    }
  }
  return argument;
}

std::vector<Variant> SourceValues(const SeriesSource& source) {
  switch (source.kind) {
    case SeriesSource::Kind::None:
      return {};
    case SeriesSource::Kind::Text:
      return {Variant(source.text)};
    case SeriesSource::Kind::Values:
    case SeriesSource::Kind::Cached:
      return source.values;
    case SeriesSource::Kind::Cells: {
      auto sheet = source.sheet.lock();
      if (!sheet || !sheet->presence()->Present()) return {};
      std::vector<Variant> values;
      const CellRange& range = source.range;
      for (auto row = range.firstRow; row <= range.lastRow; ++row) {
        for (auto column = range.firstColumn; column <= range.lastColumn; ++column) {
          values.push_back(sheet->CellValue(row, column));
        }
      }
      return values;
    }
  }
  return {};
}

}  // namespace k27093::engine
