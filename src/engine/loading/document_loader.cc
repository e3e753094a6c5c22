#include "engine/loading/document_loader.h"

#include <filesystem>

#include "document/workbook_file.h"
#include "engine/charts/chart.h"
#include "engine/loading/chart_loader.h"
#include "engine/loading/drawing_loader.h"
#include "engine/loading/read_cache.h"
#include "engine/macros/builtin_macros.h"
#include "engine/macros/macro_declarations.h"
#include "engine/workbooks/cell_address.h"
#include "engine/workbooks/workbook.h"
#include "engine/workbooks/worksheet.h"
#include "readers/cfb/compound_file.h"
#include "readers/ooxml/custom_properties.h"
#include "readers/ooxml/reader.h"
#include "readers/xls/reader.h"

namespace k27093::engine {

namespace {

// What the password a file stored is checked against.
PasswordVerifier VerifierOf(const document::PasswordHashData& password) {
  std::optional<IteratedHash> iterated;
  if (!password.algorithm.empty()) {
    iterated = IteratedHash{password.algorithm, password.hash, password.salt, password.spinCount};
  }
  return PasswordVerifier::ForHashes(password.legacy, std::move(iterated));
}

void RestoreProtection(const SheetNode& sheet, const document::SheetData& data) {
  sheet.protection()->Restore(data.protection.on, VerifierOf(data.protection.password));
}

// The worksheet of `data`, whose cells it takes (the cells of `data` are left empty).
std::shared_ptr<WorksheetImpl> AddWorksheet(const std::shared_ptr<Session>& session,
                                            const std::shared_ptr<WorkbookImpl>& workbook,
                                            document::SheetData& data) {
  auto sheet = WorksheetImpl::Create(session, workbook, data.name);
  for (document::CellData& cell : data.cells) {
    if (cell.value.type() == Variant::Type::Long) cell.value = Variant(ToDouble(cell.value));
  }
  sheet->LoadCells(std::move(data.cells));
  data.cells = {};
  for (const auto& comment : data.comments) {
    sheet->StoreComment(comment.row, comment.column, {comment.author, comment.text});
  }
  if (auto selection = ParseCellRange(data.selection)) sheet->SetSelectedRange(*selection);
  workbook->AppendSheet(sheet);
  return sheet;
}

std::shared_ptr<ChartImpl> AddChartSheet(const std::shared_ptr<Session>& session,
                                         const std::shared_ptr<WorkbookImpl>& workbook,
                                         const document::SheetData& data) {
  auto chart = ChartImpl::CreateSheet(session, workbook, data.name);
  workbook->AppendSheet(chart);
  return chart;
}

// The drawing of a worksheet: its objects, each chart frame with its chart.
void LoadWorksheetDrawing(WorksheetImpl& sheet, const document::SheetData& data,
                          const std::optional<document::ThemeData>& theme) {
  auto loadChart = [&](const std::shared_ptr<DrawnObject>& frame,
                       const document::DrawingObjectData& object) {
    auto chart = sheet.MakeEmbeddedChart(frame);
    if (object.chart && *object.chart < data.charts.size()) {
      LoadChart(*chart, data.charts[*object.chart], theme);
    }
  };
  LoadDrawing(*sheet.drawing(), data.drawing, ColorResolver(theme), loadChart);
}

void LoadChartSheet(ChartImpl& chart, const document::SheetData& data,
                    const std::optional<document::ThemeData>& theme) {
  if (!data.chartSheet) return;
  if (const auto& frame = data.chartSheet->frame) chart.StoreSheetSize(frame->width, frame->height);
  if (data.chartSheet->chart) LoadChart(chart, *data.chartSheet->chart, theme);
}

// What the file at `path` holds (its `bytes`), read by the reader of its format, which its content
// tells, whatever its extension: a compound file holds a binary workbook, anything else is read as
// an Office Open XML package (which refuses what is not one).
struct WorkbookFile {
  document::WorkbookData data;
  // The procedures the workbook declares, from a package's custom properties; a binary
  // workbook keeps its macros in its VBA project, which the engine does not run.
  std::vector<std::string> procedures;
};

WorkbookFile ReadWorkbookOfAnyFormat(const std::string& path, const std::string& bytes) {
  if (cfb::LooksLikeCompoundFile(bytes)) return {xls::ReadWorkbookBytes(bytes, path), {}};
  document::WorkbookData data = ooxml::ReadWorkbookBytes(bytes, path);
  return {std::move(data), DeclaredProcedures(ooxml::ReadCustomPropertiesBytes(bytes, path))};
}

}  // namespace

std::shared_ptr<WorkbookImpl> LoadWorkbookFile(const std::shared_ptr<Session>& session,
                                               const std::string& path) {
  const std::string bytes = document::ReadWorkbookFileBytes(path);
  WorkbookFile file;
  if (bytes.size() <= kMaxCachedFileBytes) {
    // A small file's content may come again: what it gave is kept, and copied for this workbook.
    static ParsedFileCache<WorkbookFile> cache;
    file = *cache.Parse(path, bytes, [&] { return ReadWorkbookOfAnyFormat(path, bytes); });
  } else {
    file = ReadWorkbookOfAnyFormat(path, bytes);
  }
  std::filesystem::path location(path);
  auto workbook = BuildWorkbook(session, std::move(file.data), location.filename().string(),
                                location.parent_path().string());
  workbook->SetMacros(BindBuiltInMacros(file.procedures));
  return workbook;
}

std::shared_ptr<WorkbookImpl> BuildWorkbook(const std::shared_ptr<Session>& session,
                                            document::WorkbookData data, std::string name,
                                            std::string folder) {
  auto workbook = std::make_shared<WorkbookImpl>(session, std::move(name), std::move(folder));
  // The sheets first, so that the charts' series find every sheet they refer to.
  std::vector<std::shared_ptr<WorksheetImpl>> worksheets(data.sheets.size());
  std::vector<std::shared_ptr<ChartImpl>> chartSheets(data.sheets.size());
  for (std::size_t i = 0; i < data.sheets.size(); ++i) {
    if (data.sheets[i].kind == document::SheetData::Kind::Chart) {
      chartSheets[i] = AddChartSheet(session, workbook, data.sheets[i]);
    } else {
      worksheets[i] = AddWorksheet(session, workbook, data.sheets[i]);
    }
  }
  // Then the drawings and charts, and last the protection, which would refuse them.
  for (std::size_t i = 0; i < data.sheets.size(); ++i) {
    if (worksheets[i]) {
      LoadWorksheetDrawing(*worksheets[i], data.sheets[i], data.theme);
      RestoreProtection(*worksheets[i], data.sheets[i]);
    }
    if (chartSheets[i]) {
      LoadChartSheet(*chartSheets[i], data.sheets[i], data.theme);
      RestoreProtection(*chartSheets[i], data.sheets[i]);
    }
  }
  if (data.activeSheet < workbook->sheets().size()) {
    workbook->SetActiveSheet(*workbook->sheets()[data.activeSheet]);
  }
  return workbook;
}

}  // namespace k27093::engine
