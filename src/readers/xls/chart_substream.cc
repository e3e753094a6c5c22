#include "readers/xls/chart_substream.h"

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
    std::vector<document::DrawingObjectData> shapes;
    for (DrawnObject& drawn : collector_.Objects(AnchorPlacement{nullptr, width, height})) {
      shapes.push_back(std::move(drawn.object));
    }
    return shapes;
  }

 private:
  DrawingCollector collector_;
};

}  // namespace

document::ChartData ReadChartSubstream(RecordStream& stream, const Record& bof,
                                       const WorkbookGlobals& globals) {
  CollectedDrawing drawing(globals, "the chart at offset " + std::to_string(bof.offset) +
                                        " of the stream '" + stream.name() + "'");
  return ReadChartRecords(stream, bof, globals, &drawing);
}

}  // namespace k27093::xls
