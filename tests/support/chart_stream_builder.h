// A small writer of chart substreams for tests: records with their headers, and the chart
// records the tests need with their fields in the format's order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/workbook_data.h"
#include "readers/xls/chart_reader.h"
#include "readers/xls/chart_records.h"
#include "readers/xls/record_stream.h"
#include "readers/xls/workbook_globals.h"
#include "support/biff_stream_builder.h"

namespace k27093::xls::testing {

// Formula tokens.
inline std::string Area3D(std::uint16_t sheet, std::uint16_t firstRow, std::uint16_t lastRow,
                          std::uint16_t firstColumn, std::uint16_t lastColumn) {
  return U8(0x3B) + U16(sheet) + U16(firstRow) + U16(lastRow) + U16(firstColumn) + U16(lastColumn);
}
inline std::string Ref3D(std::uint16_t sheet, std::uint16_t row, std::uint16_t column) {
  return U8(0x3A) + U16(sheet) + U16(row) + U16(column);
}

class ChartStream {
 public:
  ChartStream& Record(std::uint16_t type, const std::string& data) {
    bytes_ += RecordBytes(type, data);
    return *this;
  }
  // Appends records written elsewhere (a drawing's).
  ChartStream& Append(const std::string& records) {
    bytes_ += records;
    return *this;
  }
  ChartStream& Begin() { return Record(chart_records::kBegin, ""); }
  ChartStream& End() { return Record(chart_records::kEnd, ""); }
  ChartStream& Bof() { return Record(record_types::kBof, U16(0x0600) + U16(0x0020) + Zeros(12)); }
  ChartStream& Eof() { return Record(record_types::kEof, ""); }
  // CHART: the chart area `width` x `height` points.
  ChartStream& Chart(double width, double height) {
    return Record(chart_records::kChart, Zeros(8) + U32(static_cast<std::uint32_t>(width * 65536)) +
                                             U32(static_cast<std::uint32_t>(height * 65536)));
  }
  ChartStream& Series() { return Record(chart_records::kSeries, Zeros(12)); }
  ChartStream& Brai(std::uint8_t id, std::uint8_t type, const std::string& tokens = "") {
    return Record(
        chart_records::kBrai,
        U8(id) + U8(type) + Zeros(4) + U16(static_cast<std::uint16_t>(tokens.size())) + tokens);
  }
  ChartStream& SeriesText(const std::string& text) {
    return Record(chart_records::kSeriesText, Zeros(2) + ShortText(text));
  }
  ChartStream& SeriesToGroup(std::uint16_t group) {
    return Record(chart_records::kSeriesToChartGroup, U16(group));
  }
  ChartStream& DataFormat(std::uint16_t point, std::uint16_t series, std::uint16_t order) {
    return Record(chart_records::kDataFormat, U16(point) + U16(series) + U16(order) + U16(0));
  }
  ChartStream& MarkerFormat(std::uint16_t symbol, bool automatic) {
    return Record(chart_records::kMarkerFormat,
                  Zeros(8) + U16(symbol) + U16(automatic ? 1 : 0) + Zeros(8));
  }
  ChartStream& LineFormat(std::uint16_t style, bool automatic, std::uint16_t colorIndex = 8) {
    return Record(chart_records::kLineFormat,
                  Zeros(4) + U16(style) + U16(0) + U16(automatic ? 1 : 0) + U16(colorIndex));
  }
  // The axis line (AXISLINEFORMAT 0) and its format, fAxisOn set when the axis is shown.
  ChartStream& AxisLineShown(bool shown) {
    Record(chart_records::kAxisLine, U16(0));
    return Record(chart_records::kLineFormat,
                  Zeros(4) + U16(0) + U16(0) + U16(shown ? 0x0005 : 0x0001) + U16(77));
  }
  ChartStream& AreaFormat(std::uint32_t rgb, std::uint16_t colorIndex, bool automatic,
                          std::uint16_t pattern = 1) {
    return Record(
        chart_records::kAreaFormat,
        U32(rgb) + Zeros(4) + U16(pattern) + U16(automatic ? 1 : 0) + U16(colorIndex) + U16(0));
  }
  ChartStream& AxisParent(std::uint16_t index) {
    return Record(chart_records::kAxisParent, U16(index) + Zeros(16));
  }
  ChartStream& Axis(std::uint16_t type) {
    return Record(chart_records::kAxis, U16(type) + Zeros(16));
  }
  ChartStream& ValueRange(double minimum, double maximum, double major, double minor,
                          std::uint16_t flags) {
    return Record(chart_records::kValueRange,
                  F64(minimum) + F64(maximum) + F64(major) + F64(minor) + F64(0) + U16(flags));
  }
  ChartStream& Tick(std::uint8_t major, std::uint8_t minor, std::uint8_t labels) {
    return Record(chart_records::kTick, U8(major) + U8(minor) + U8(labels) + Zeros(27));
  }
  ChartStream& AxisLine(std::uint16_t id) { return Record(chart_records::kAxisLine, U16(id)); }
  ChartStream& ChartFormat() { return Record(chart_records::kChartFormat, Zeros(20)); }
  ChartStream& Bar(std::uint16_t flags) {
    return Record(chart_records::kBar, Zeros(4) + U16(flags));
  }
  ChartStream& Line(std::uint16_t flags) { return Record(chart_records::kLine, U16(flags)); }
  ChartStream& Legend(std::uint8_t type) {
    return Record(chart_records::kLegend, Zeros(16) + U8(type) + U8(1) + U16(0x1F));
  }
  ChartStream& Text(std::uint16_t flags = 0) {
    return Record(chart_records::kText, Zeros(24) + U16(flags) + Zeros(6));
  }
  ChartStream& ObjectLink(std::uint16_t link) {
    return Record(chart_records::kObjectLink, U16(link) + Zeros(4));
  }
  ChartStream& FontX(std::uint16_t font) { return Record(chart_records::kFontX, U16(font)); }

  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// A chart of one column group with one series whose values are Sheet1!$A$1:$A$3. `before`
// and `inGroup` add records at the chart's level (before its axes) and in the chart group's
// block.
template <typename Before, typename InGroup>
std::string ColumnChart(Before before, InGroup inGroup) {
  ChartStream chart;
  chart.Bof().Chart(400, 300).Begin();
  chart.Series().Begin().Brai(1, 2, Area3D(0, 0, 2, 0, 0)).SeriesToGroup(0).End();
  before(chart);
  chart.AxisParent(0).Begin();
  chart.Axis(0).Begin().Tick(2, 0, 3).End();
  chart.Axis(1).Begin().ValueRange(0, 0, 0, 0, 0x1F).Tick(2, 0, 3).AxisLine(1).End();
  chart.ChartFormat().Begin().Bar(0);
  inGroup(chart);
  chart.End().End().End().Eof();
  return chart.bytes();
}

// Globals with the sheets "Sheet1" and "Template 1" (EXTERNSHEET entries 0 and 1), and the
// fonts Arial 10 (0), Arial 12 bold (1), Arial 8 (2), Arial 9 (3), Times 14 italic (5).
inline WorkbookGlobals TestGlobals() {
  WorkbookGlobals globals;
  globals.sheets = {{"Sheet1"}, {"Template 1"}};
  globals.externSheets = {{0, 0, 0}, {0, 1, 1}};
  globals.selfBooks = {true};
  const auto font = [](std::string name, double points, bool bold, bool italic) {
    FontEntry entry;
    entry.name = std::move(name);
    entry.points = points;
    entry.bold = bold;
    entry.italic = italic;
    return entry;
  };
  globals.fonts = {font("Arial", 10, false, false), font("Arial", 12, true, false),
                   font("Arial", 8, false, false), font("Arial", 9, false, false),
                   font("Times New Roman", 14, false, true)};
  return globals;
}

// Reads the chart substream `bytes` (starting with its BOF) without a drawing.
inline document::ChartData ReadChartBytes(const std::string& bytes,
                                          const WorkbookGlobals& globals = TestGlobals(),
                                          ChartDrawing* drawing = nullptr) {
  RecordStream stream(bytes, "Workbook");
  const std::optional<k27093::xls::Record> bof = stream.Next();
  return ReadChartRecords(stream, *bof, globals, drawing);
}

}  // namespace k27093::xls::testing
