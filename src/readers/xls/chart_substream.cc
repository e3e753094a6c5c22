#include "readers/xls/chart_substream.h"

#include "document/read_fault.h"
#include "readers/xls/chart_reader.h"
#include "readers/xls/drawing_collector.h"
#include "readers/xls/record_stream.h"

namespace k27093::xls {
namespace {

// The chart's own drawing, collected by the drawing collector and placed in the chart area.
class CollectedDrawing : public ChartDrawing {
 public:
  CollectedDrawing(const WorkbookGlobals& globals, std::string context)
      : collector_(globals, std::move(context)) {}

  bool Take(const RecordStream& stream, const Record& record) override {
    return collector_.Take(stream, record);
  }

  std::vector<document::DrawingObjectData> Shapes(double width, double height) const override {
    area_ = ChartAreaSize{width, height};
    std::vector<document::DrawingObjectData> shapes;
    for (DrawnObject& drawn : collector_.Objects(AnchorPlacement{nullptr, width, height})) {
      shapes.push_back(std::move(drawn.object));
    }
    return shapes;
  }

  // The chart area the shapes were placed in (empty before Shapes was asked).
  const ChartAreaSize& area() const { return area_; }

 private:
  DrawingCollector collector_;
  mutable ChartAreaSize area_;  // where Shapes placed the shapes
};

}  // namespace

ChartSubstream ReadChartSubstream(RecordStream& stream, const Record& bof,
                                  const WorkbookGlobals& globals) {
  CollectedDrawing drawing(globals, "the chart at offset " + std::to_string(bof.offset) +
                                        " of the stream " + document::Quoted(stream.name()));
  document::ChartData chart = ReadChartRecords(stream, bof, globals, &drawing);
  return {std::move(chart), drawing.area()};
}

void FitChartShapes(document::ChartData& chart, ChartAreaSize from, ChartAreaSize to) {
  if (from.width <= 0 || from.height <= 0) return;
  const double x = to.width / from.width;
  const double y = to.height / from.height;
  for (document::DrawingObjectData& shape : chart.shapes) {
    shape.geometry.left *= x;
    shape.geometry.width *= x;
    shape.geometry.top *= y;
    shape.geometry.height *= y;
  }
}

}  // namespace k27093::xls
