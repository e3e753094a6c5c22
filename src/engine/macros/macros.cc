#include "engine/macros/macros.h"

#include "api/text.h"

namespace k27093::engine {

namespace {

// The procedure part as registered: "module1.GetRep" -> "getrep" when only the name counts.
std::string ProcedureName(std::string_view procedure) {
  auto dot = procedure.rfind('.');
  return LowerCase(dot == std::string_view::npos ? procedure : procedure.substr(dot + 1));
}

}  // namespace

MacroReference SplitMacroReference(std::string_view reference) {
  MacroReference parts;
  auto bang = reference.rfind('!');
  if (bang == std::string_view::npos) {
    parts.procedure = Trim(reference);
    return parts;
  }
  std::string workbook = Trim(reference.substr(0, bang));
  if (workbook.size() >= 2 && workbook.front() == '\'' && workbook.back() == '\'') {
    workbook = workbook.substr(1, workbook.size() - 2);
  }
  parts.workbook = std::move(workbook);
  parts.procedure = Trim(reference.substr(bang + 1));
  return parts;
}

void MacroTable::Register(std::string_view procedure, Macro macro) {
  macros_[LowerCase(procedure)] = std::move(macro);
}

const Macro* MacroTable::Find(std::string_view procedure) const {
  auto exact = macros_.find(LowerCase(procedure));
  if (exact != macros_.end()) return &exact->second;
  if (procedure.find('.') != std::string_view::npos) return nullptr;
  for (const auto& [name, macro] : macros_) {
    if (ProcedureName(name) == LowerCase(procedure)) return &macro;
  }
  return nullptr;
}

void MacroRegistry::Register(std::string_view workbook, std::string_view procedure, Macro macro) {
  tables_[LowerCase(workbook)].Register(procedure, std::move(macro));
}

const Macro* MacroRegistry::Find(std::string_view workbook, std::string_view procedure) const {
  auto table = tables_.find(LowerCase(workbook));
  return table == tables_.end() ? nullptr : table->second.Find(procedure);
}

}  // namespace k27093::engine
