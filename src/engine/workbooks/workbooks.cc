#include "engine/workbooks/workbooks.h"

#include <filesystem>

#include "api/error.h"
#include "api/file_system.h"
#include "engine/objects/collection.h"
#include "engine/loading/document_loader.h"
#include "engine/workbooks/workbook.h"
#include "engine/workbooks/worksheet.h"

namespace k27093::engine {

namespace {

constexpr std::string_view kNewWorkbookPrefix = "Classeur";

// The file name of a path: what follows its last separator.
std::string FileNameOf(std::string_view path) {
  auto separator = path.find_last_of("/\\");
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

// A relative file name is looked for in the application's current folder.
std::string ResolvedPath(std::string_view fileName, const std::string& currentFolder) {
  bool relative = std::filesystem::path(fileName).is_relative();
  return relative && !currentFolder.empty() ? currentFolder + std::string(fileName)
                                            : std::string(fileName);
}

}  // namespace

WorkbooksImpl::WorkbooksImpl(std::shared_ptr<Session> session)
    : Node(std::move(session), Presence::Under(nullptr)) {}

std::int32_t WorkbooksImpl::Count() {
  Enter();
  return static_cast<std::int32_t>(session()->workbooks().size());
}

Ref<xl::Workbook> WorkbooksImpl::Item(const Variant& index) {
  Enter();
  auto workbook = FindItem(session()->workbooks(), index,
                           [](const WorkbookImpl& candidate) { return candidate.name(); });
  if (!workbook) Raise(errors::kSubscript);
  return workbook;
}

Ref<xl::Workbook> WorkbooksImpl::Open(std::string_view fileName) {
  Enter();
  std::string path = ResolvedPath(fileName, session()->settings().currentFolder);
  std::string name = FileNameOf(path);
  for (const auto& open : session()->workbooks()) {
    if (EqualsIgnoringCase(open->name(), name)) {
      RaiseExcel(
          errors::kApplication,
          "A document with the name '" + name +
              "' is already open. You cannot open two "
              "documents with the same name, even if the documents are in different folders.");
    }
  }
  auto workbook = LoadWorkbookFile(session(), path);
  session()->AddWorkbook(workbook);
  return workbook;
}

Ref<xl::Workbook> WorkbooksImpl::Add() {
  Enter();
  auto number = session()->NextNewWorkbookNumber();
  auto workbook = std::make_shared<WorkbookImpl>(
      session(), std::string(kNewWorkbookPrefix) + std::to_string(number), "");
  workbook->AppendSheet(WorksheetImpl::Create(session(), workbook, "Feuil1"));
  session()->AddWorkbook(workbook);
  return workbook;
}

}  // namespace k27093::engine
