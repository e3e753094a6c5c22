#include "engine/charts/chart_objects.h"

#include "engine/charts/chart.h"

namespace k27093::engine {

std::string ChartObjectImpl::Name() {
  Enter();
  return object().name;
}

Ref<xl::Chart> ChartObjectImpl::Chart() {
  Enter();
  return object().chart;
}

void ChartObjectImpl::Activate() {
  Enter();
  object().chart->ActivateEmbedded();
}

void ChartObjectImpl::Select() { SelectObject(); }
void ChartObjectImpl::Delete() { RemoveObject(); }
double ChartObjectImpl::Left() { return GetPixelGeometry(&Geometry::left); }
double ChartObjectImpl::Top() { return GetPixelGeometry(&Geometry::top); }
double ChartObjectImpl::Width() { return GetPixelGeometry(&Geometry::width); }
double ChartObjectImpl::Height() { return GetPixelGeometry(&Geometry::height); }
void ChartObjectImpl::SetLeft(double points) { SetGeometry(&Geometry::left, points); }
void ChartObjectImpl::SetTop(double points) { SetGeometry(&Geometry::top, points); }
void ChartObjectImpl::SetWidth(double points) { SetGeometry(&Geometry::width, points); }
void ChartObjectImpl::SetHeight(double points) { SetGeometry(&Geometry::height, points); }

ChartObjectsImpl::ChartObjectsImpl(std::shared_ptr<Session> session,
                                   std::shared_ptr<Drawing> drawing, std::string hostClass,
                                   ChartMaker maker)
    : KindCollection(std::move(session), std::move(drawing), DrawnKind::Chart, "ChartObjects",
                     std::move(hostClass)),
      maker_(std::move(maker)) {}

Ref<xl::ChartObject> ChartObjectsImpl::Add(double left, double top, double width, double height) {
  Enter();
  if (width < 0 || height < 0) RaiseValueOutOfRange();
  drawing()->CheckChangeable();
  auto frame = AddObject({left, top, width, height});
  try {
    maker_(frame);
  } catch (...) {
    drawing()->Remove(*frame);
    throw;
  }
  return MakeRef<ChartObjectImpl>(session(), drawing(), frame);
}

}  // namespace k27093::engine
