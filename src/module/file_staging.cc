// Module's procedures that stage the working files (close and delete stale copies, give the
// model file its working name) and set or read the spreadsheet's current folder.
#include "api/file_system.h"
#include "api/text.h"
#include "module/module.h"
#include "module/module_names.h"
#include "spreadsheet/object_model.h"

namespace k27093 {

using module_names::kClass;

namespace {

// Runs one file operation whose failure is tolerated.
template <class Operation>
void IgnoringErrors(Operation operation) {
  try {
    operation();
  } catch (const Error&) {
  }
}

}  // namespace

// The folder of a working file: the models folder for a model, else the working folder. An
// empty working folder would make the file's name relative to whatever folder is current:
// it is refused before anything is deleted or renamed.
const std::string& Module::FolderOf(const files::Fichier& entry) const {
  if (!entry.Modele && sPathDossier_.empty()) {
    Raise(errors::kPathNotFound, "Path not found: the working folder is empty",
          std::string(kComponentSource));
  }
  return entry.Modele ? sPathModele_ : sPathDossier_;
}

void Module::Nettoyage() {
  try {
    const auto list = oQuestion_->FichiersDeTravail();
    const std::int32_t count = list->count();
    for (std::int32_t i = 1; i <= count; ++i) {
      const files::Fichier entry = list->Item(i);
      const std::string path = FolderOf(entry) + entry.NomDest;
      const auto workbooks = oApplication_->ApplicationObject()->Workbooks();
      const std::string wanted = LowerCase(entry.NomDest);
      for (std::int32_t j = workbooks->Count(); j >= 1; --j) {
        const auto workbook = workbooks->Item(Variant(j));
        if (LowerCase(workbook->Name()) == wanted) {
          workbook->Close(false);
          break;
        }
      }
      IgnoringErrors([&] { environment_.files.SetAttributesNormal(path); });
      IgnoringErrors([&] { environment_.files.Delete(path); });
    }
  } catch (const Error& error) {
    RemonteErreur(kClass, "Nettoyage", error);
  }
}

void Module::Renomme() {
  try {
    const auto list = oQuestion_->FichiersDeTravail();
    const std::int32_t count = list->count();
    for (std::int32_t i = 1; i <= count; ++i) {
      const files::Fichier entry = list->Item(i);
      if (entry.NomSource.empty()) continue;
      const std::string& folder = FolderOf(entry);
      environment_.files.SetAttributesNormal(folder + entry.NomSource);
      environment_.files.Rename(folder + entry.NomSource, folder + entry.NomDest);
    }
  } catch (const Error& error) {
    RemonteErreur(kClass, "Renomme", error);
  }
}

namespace {

constexpr std::string_view kMacroWorkbook = "X27093.xls";

// Runs `procedure` of the macro workbook: opens it from the module's folder, runs the macro,
// closes the workbook without saving. An error leaves the workbook open if it was opened.
Variant RunFolderMacro(xl::Application& application, FileSystem& files,
                       std::string_view procedure, std::initializer_list<Variant> arguments) {
  const auto workbooks = application.ApplicationObject()->Workbooks();
  workbooks->Open(files.ModuleFolder() + std::string(kMacroWorkbook));
  const std::string reference = std::string(kMacroWorkbook) + "!" + std::string(procedure);
  const Variant result = application.ApplicationObject()->Run(
      reference, Arguments(arguments.begin(), arguments.size()));
  workbooks->Item(Variant(kMacroWorkbook))->Close(false);
  return result;
}

}  // namespace

void Module::ChangeDir(const std::string& sRep) {
  try {
    RunFolderMacro(*oApplication_, environment_.files, "module1.ChangeRep", {Variant(sRep)});
  } catch (const Error& error) {
    RemonteErreur(kClass, "ChangeDir", error);
  }
}

std::string Module::GetDir() {
  try {
    return ToText(RunFolderMacro(*oApplication_, environment_.files, "module1.GetRep", {}));
  } catch (const Error& error) {
    RemonteErreur(kClass, "GetDir", error);
  }
}

}  // namespace k27093
