// The common structure check run before every question's own check: the exercise workbook is
// open and active, has its two sheets with their names and marker comments, and the sheet an
// exercise works on holds exactly one chart.
#include "api/text.h"
#include "module/module.h"
#include "spreadsheet/object_model.h"

namespace k27093 {

namespace {

constexpr std::string_view kNoPrinter =
    "Imprimante non définie. Vérifiez le panneau de configuration.";
constexpr std::string_view kFirstSheet = "année n";
constexpr std::string_view kSecondSheet = "année n-1";
constexpr std::string_view kMarkerCell = "G9";
constexpr std::string_view kMarkerText =
    "Cette annotation est utilisée comme repère pour vérifier que la structure du tableau "
    "n'a pas été modifiée : MERCI de ne pas la supprimer !";
constexpr std::string_view kAnalysisSheet = "Analyse des résultats";
constexpr std::string_view kAnswersSheet = "Réponses";
constexpr std::int32_t kAnswerShapes = 5;

// Sheet `position` of the workbook `name`, looked up again by name, late-bound.
Variant SheetOf(xl::Application& application, const std::string& name, std::int32_t position) {
  return Variant(application.Workbooks()->Item(Variant(name))->Sheets()->Item(Variant(position)));
}

std::string SheetName(xl::Application& application, const std::string& name,
                      std::int32_t position) {
  return LowerCase(ToText(GetProperty(SheetOf(application, name, position), "Name")));
}

std::string MarkerOf(xl::Application& application, const std::string& name,
                     std::int32_t position) {
  const Variant range =
      GetProperty(SheetOf(application, name, position), "Range", {Variant(kMarkerCell)});
  return ToText(CallById(range, xl::dispid::kNoteText, CallKind::Method));
}

std::int32_t CountOf(xl::Application& application, const std::string& name,
                     std::int32_t position, std::string_view collection) {
  const Variant items = GetProperty(SheetOf(application, name, position), collection);
  return ToLong(GetProperty(items, "Count"));
}

// Exactly one chart object on sheet `position`: "J" otherwise (count read twice).
bool HasOneChart(xl::Application& application, const std::string& name, std::int32_t position) {
  if (CountOf(application, name, position, "ChartObjects") == 0) return false;
  return CountOf(application, name, position, "ChartObjects") <= 1;
}

}  // namespace

bool Module::VerifieClasseur() {
  const std::int32_t n = lQuestion_;
  xl::Application& application = *oApplication_;
  auto fail = [this](std::string_view code) {
    sCauseErreur_ = code;
    return false;
  };

  if (n == 420 && application.ActivePrinter() == kNoPrinter) return fail("#BA");

  const std::string name = ToText(Variant(oQuestion_->FichiersDeTravail()->Item(1).NomDest));
  const std::string wanted = LowerCase(name);
  bool open = false;
  const auto workbooks = application.Workbooks();
  for (std::int32_t i = 1, count = workbooks->Count(); i <= count && !open; ++i) {
    open = LowerCase(workbooks->Item(Variant(i))->Name()) == wanted;
  }
  if (!open) return fail("C");
  if (LowerCase(application.ActiveWorkbook()->Name()) != wanted) return fail("A");
  if (application.Workbooks()->Item(Variant(name))->Sheets()->Count() != 2) return fail("G");

  if (n != 421) {
    if (SheetName(application, name, 1) != kFirstSheet) return fail("H");
    if (SheetName(application, name, 2) != kSecondSheet) return fail("I");
    if (MarkerOf(application, name, 1) != kMarkerText) return fail("D");
    if (MarkerOf(application, name, 2) != kMarkerText) return fail("D");
  }
  if (n >= 402 && n <= 417 && !HasOneChart(application, name, 1)) return fail("J");
  if (n >= 418 && n <= 420 && !HasOneChart(application, name, 2)) return fail("J");
  if (n == 421) {
    if (SheetName(application, name, 1) != LowerCase(kAnalysisSheet)) return fail("E");
    if (SheetName(application, name, 2) != LowerCase(kAnswersSheet)) return fail("F");
    if (CountOf(application, name, 2, "Shapes") != kAnswerShapes) return fail("D");
  }
  return true;
}

}  // namespace k27093
