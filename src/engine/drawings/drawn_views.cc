// The view of its kind of a drawn object, and selecting a drawn object.
#include "engine/charts/chart_objects.h"
#include "engine/drawings/check_boxes.h"
#include "engine/drawings/drawn_view.h"
#include "engine/drawings/shapes.h"
#include "engine/drawings/text_boxes.h"

namespace k27093::engine {

std::shared_ptr<Dispatch> ViewOfKind(const std::shared_ptr<Session>& session,
                                     const std::shared_ptr<Drawing>& drawing,
                                     const std::shared_ptr<DrawnObject>& object) {
  switch (object->kind) {
    case DrawnKind::TextBox:
      return std::make_shared<TextBoxImpl>(session, drawing, object);
    case DrawnKind::CheckBox:
      return std::make_shared<CheckBoxImpl>(session, drawing, object);
    case DrawnKind::Chart:
      return std::make_shared<ChartObjectImpl>(session, drawing, object);
    case DrawnKind::AutoShape:
    case DrawnKind::Other:
      break;
  }
  return std::make_shared<ShapeImpl>(session, drawing, object);
}

void SelectDrawnObject(const std::shared_ptr<Session>& session,
                       const std::shared_ptr<Drawing>& drawing,
                       const std::shared_ptr<DrawnObject>& object) {
  auto view = ViewOfKind(session, drawing, object);
  drawing->PrepareSelection(view->TypeName());
  session->Select(view, object->presence);
}

}  // namespace k27093::engine
