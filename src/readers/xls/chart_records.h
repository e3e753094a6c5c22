// The records of a chart substream that the chart reader reads, and the contents of those that
// describe formats (fills, lines, markers, ticks, scales, texts), read from their data. Every
// reader raises document::ReadFault Damaged, naming the record, when the data is too short.
#pragma once

#include <cstdint>
#include <optional>

#include "document/workbook_data.h"

namespace k27093::xls {

class ByteReader;

namespace chart_records {
inline constexpr std::uint16_t kUnits = 0x1001;
inline constexpr std::uint16_t kChart = 0x1002;
inline constexpr std::uint16_t kSeries = 0x1003;
inline constexpr std::uint16_t kDataFormat = 0x1006;
inline constexpr std::uint16_t kLineFormat = 0x1007;
inline constexpr std::uint16_t kMarkerFormat = 0x1009;
inline constexpr std::uint16_t kAreaFormat = 0x100A;
inline constexpr std::uint16_t kPieFormat = 0x100B;
inline constexpr std::uint16_t kSeriesText = 0x100D;
inline constexpr std::uint16_t kChartFormat = 0x1014;
inline constexpr std::uint16_t kLegend = 0x1015;
inline constexpr std::uint16_t kBar = 0x1017;
inline constexpr std::uint16_t kLine = 0x1018;
inline constexpr std::uint16_t kPie = 0x1019;
inline constexpr std::uint16_t kArea = 0x101A;
inline constexpr std::uint16_t kScatter = 0x101B;
inline constexpr std::uint16_t kAxis = 0x101D;
inline constexpr std::uint16_t kTick = 0x101E;
inline constexpr std::uint16_t kValueRange = 0x101F;
inline constexpr std::uint16_t kCatSerRange = 0x1020;
inline constexpr std::uint16_t kAxisLine = 0x1021;
inline constexpr std::uint16_t kDefaultText = 0x1024;
inline constexpr std::uint16_t kText = 0x1025;
inline constexpr std::uint16_t kFontX = 0x1026;
inline constexpr std::uint16_t kObjectLink = 0x1027;
inline constexpr std::uint16_t kFrame = 0x1032;
inline constexpr std::uint16_t kBegin = 0x1033;
inline constexpr std::uint16_t kEnd = 0x1034;
inline constexpr std::uint16_t kPlotArea = 0x1035;
inline constexpr std::uint16_t kChart3D = 0x103A;
inline constexpr std::uint16_t kRadar = 0x103E;
inline constexpr std::uint16_t kSurface = 0x103F;
inline constexpr std::uint16_t kRadarArea = 0x1040;
inline constexpr std::uint16_t kAxisParent = 0x1041;
inline constexpr std::uint16_t kSheetProperties = 0x1044;
inline constexpr std::uint16_t kSeriesToChartGroup = 0x1045;
inline constexpr std::uint16_t kSeriesParent = 0x104A;
inline constexpr std::uint16_t kPos = 0x104F;
inline constexpr std::uint16_t kRichTextRuns = 0x1050;
inline constexpr std::uint16_t kBrai = 0x1051;
inline constexpr std::uint16_t kSeriesFormat = 0x105D;
inline constexpr std::uint16_t kBarShape = 0x105F;
inline constexpr std::uint16_t kPieOfPie = 0x1061;
inline constexpr std::uint16_t kAxisExtension = 0x1062;
inline constexpr std::uint16_t kDataTable = 0x1063;
inline constexpr std::uint16_t kSeriesIndex = 0x1065;
inline constexpr std::uint16_t kGelFrame = 0x1066;
inline constexpr std::uint16_t kPlotAreaLayout = 0x08A7;  // CrtLayout12A, Excel 2007 and later
inline constexpr std::uint16_t kPrintSize = 0x0033;
inline constexpr std::uint16_t kSetup = 0x00A1;
// The cells of the cached values after the chart's records.
inline constexpr std::uint16_t kBlank = 0x0201;
inline constexpr std::uint16_t kNumber = 0x0203;
inline constexpr std::uint16_t kLabel = 0x0204;
inline constexpr std::uint16_t kBoolErr = 0x0205;
}  // namespace chart_records

// AREAFORMAT: the fill of a series, point, frame or wall.
struct AreaFormat {
  std::int32_t foreground = 0;        // colour number of rgbFore
  std::uint16_t pattern = 1;          // fls: 0 no fill, 1 solid, 2 to 18 patterns
  bool automatic = false;             // fAuto
  std::uint16_t foregroundIndex = 0;  // icvFore, the palette index
};

// LINEFORMAT: a line, border or gridline.
struct LineFormat {
  std::int32_t color = 0;        // colour number of rgb
  std::uint16_t style = 0;       // lns: 0 solid ... 5 none
  bool automatic = false;        // fAuto
  std::uint16_t colorIndex = 0;  // icv
  bool axisShown = false;        // fAxisOn: of an axis line, whether the axis is shown at all
};
inline constexpr std::uint16_t kLineStyleNone = 5;

// MARKERFORMAT: the marker of a line, scatter or radar series.
struct MarkerFormat {
  std::uint16_t symbol = 0;  // imk: 0 none, 1 square, 2 diamond ...
  bool automatic = false;    // fAuto: the automatic marker of the series
};

// TICK: tick marks (0 none, 1 inside, 2 outside, 3 cross) and tick label position (0 none, 1
// low, 2 high, 3 next to the axis).
struct TickFormat {
  std::uint8_t major = 2;
  std::uint8_t minor = 0;
  std::uint8_t labels = 3;
};

// VALUERANGE: a value axis' scale; a value whose flag says automatic is nullopt.
struct ValueScale {
  std::optional<double> minimum;
  std::optional<double> maximum;
  std::optional<double> majorUnit;
  std::optional<double> minorUnit;
};

// POS: a position in the units its modes name (1/4000 of the chart area for a plot area).
struct Position {
  std::uint16_t topLeftMode = 0;
  std::uint16_t bottomRightMode = 0;
  std::int16_t x1 = 0;
  std::int16_t y1 = 0;
  std::int16_t x2 = 0;
  std::int16_t y2 = 0;
};

// CHART3D: the 3-D view of a chart group.
struct View3D {
  std::int16_t rotation = 0;
  std::int16_t elevation = 0;
  std::uint16_t flags = 0;  // fPerspective 0x1, fCluster 0x2 ...
};
inline constexpr std::uint16_t kView3DClustered = 0x0002;

AreaFormat ReadAreaFormat(ByteReader& reader);
LineFormat ReadLineFormat(ByteReader& reader);
MarkerFormat ReadMarkerFormat(ByteReader& reader);
TickFormat ReadTickFormat(ByteReader& reader);
ValueScale ReadValueScale(ByteReader& reader);
Position ReadPosition(ByteReader& reader);
View3D ReadView3D(ByteReader& reader);
// CrtLayout12A (Excel 2007 and later): the plot area's layout as fractions of the chart area;
// nullopt when each of its parts is automatic.
std::optional<document::ManualLayoutData> ReadPlotAreaLayout(ByteReader& reader);
// A FixedPoint (16.16) value, such as the CHART record's size in points.
double ReadFixedPoint(ByteReader& reader);

// The spreadsheet's values of the records' settings: XlTickMark of TICK's marks (none -4142,
// inside 2, outside 3, cross 4), XlTickLabelPosition of its label position (none -4142, low
// -4134, high -4127, next to the axis 4), XlLegendPosition of LEGEND's wType (bottom -4107,
// corner 2, top -4160, right -4152, left -4131). Unknown values give Excel's defaults (outside,
// next to the axis, right); so does a legend that was moved by hand (no longer docked), whose
// place only its position records give.
std::int32_t TickMarkOf(std::uint8_t mark);
std::int32_t TickLabelPositionOf(std::uint8_t position);
std::int32_t LegendPositionOf(std::uint8_t type);

}  // namespace k27093::xls
