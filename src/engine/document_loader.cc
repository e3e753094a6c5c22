#include "engine/document_loader.h"

#include <filesystem>

#include "engine/chart.h"
#include "engine/ooxml/reader.h"
#include "engine/workbook.h"
#include "engine/worksheet.h"

namespace k27093::engine {

namespace {

void AddWorksheet(const std::shared_ptr<Session>& session,
                  const std::shared_ptr<WorkbookImpl>& workbook, const ooxml::SheetData& data) {
  auto sheet = WorksheetImpl::Create(session, workbook, data.name);
  for (const auto& cell : data.cells) {
    Variant value = cell.value;
    if (value.type() == Variant::Type::Long) value = Variant(ToDouble(value));
    sheet->StoreCellValue(cell.row, cell.column, std::move(value));
  }
  for (const auto& comment : data.comments) {
    sheet->StoreComment(comment.row, comment.column, {comment.author, comment.text});
  }
  workbook->AppendSheet(sheet);
}

void AddChartSheet(const std::shared_ptr<Session>& session,
                   const std::shared_ptr<WorkbookImpl>& workbook, const ooxml::SheetData& data) {
  workbook->AppendSheet(ChartImpl::CreateSheet(session, workbook, data.name));
}

}  // namespace

std::shared_ptr<WorkbookImpl> LoadWorkbookFile(const std::shared_ptr<Session>& session,
                                               const std::string& path) {
  ooxml::WorkbookData data = ooxml::ReadWorkbookFile(path);
  std::filesystem::path location(path);
  return BuildWorkbook(session, data, location.filename().string(),
                       location.parent_path().string());
}

std::shared_ptr<WorkbookImpl> BuildWorkbook(const std::shared_ptr<Session>& session,
                                            const ooxml::WorkbookData& data, std::string name,
                                            std::string folder) {
  auto workbook = std::make_shared<WorkbookImpl>(session, std::move(name), std::move(folder));
  for (const auto& sheet : data.sheets) {
    if (sheet.kind == ooxml::SheetData::Kind::Chart) {
      AddChartSheet(session, workbook, sheet);
    } else {
      AddWorksheet(session, workbook, sheet);
    }
  }
  if (data.activeSheet < workbook->sheets().size()) {
    workbook->SetActiveSheet(*workbook->sheets()[data.activeSheet]);
  }
  return workbook;
}

}  // namespace k27093::engine
