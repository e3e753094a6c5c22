// AbstractModule: the interface through which the learning client drives an exercise module:
// start an exercise, check the learner's work, read the verdict, close, leave.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "api/desktop.h"
#include "api/dispatch.h"
#include "files/complement_info.h"
#include "spreadsheet/application.h"

namespace k27093 {

class AbstractModule : public Dispatch {
 public:
  // Starts exercise ilQuestion on the workbook files of the working folder isPathDossier.
  // ioApplication / ioHandleLogiciel: the client's spreadsheet and its main window (Nothing
  // and 0 when it has none); on return, the spreadsheet the module works with.
  virtual void InitQuestion(std::int32_t ilQuestion, std::string_view isPathDossier,
                            Ref<xl::Application>& ioApplication, Hwnd& ioHandleLogiciel,
                            std::optional<std::string_view> isPathModele = std::nullopt) = 0;
  // Checks the learner's workbook; the verdict is read through the properties below.
  virtual void TestePoint() = 0;
  virtual bool ErreurGenerale() = 0;
  virtual std::string CauseErreur() = 0;
  virtual bool BravoNuance() = 0;
  virtual Ref<files::ComplementInfo> Complement() = 0;
  // Closes the exercise.
  virtual void Fermer() = 0;
  // Leaves the spreadsheet: settings restored and the spreadsheet closed or minimised when the
  // module provided it.
  virtual void Quitter(Ref<xl::Application>& ioApplication, Hwnd& ioHandleLogiciel) = 0;
};

}  // namespace k27093
