#include "readers/xls/chart_reader.h"

#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <string>

#include "document/chart_type.h"
#include "document/read_fault.h"
#include "readers/xls/byte_reader.h"
#include "readers/xls/chart_fills.h"
#include "readers/xls/chart_groups.h"
#include "readers/xls/chart_page_setup.h"
#include "readers/xls/chart_records.h"
#include "readers/xls/chart_text.h"
#include "readers/xls/formula_text.h"
#include "readers/xls/office_art_properties.h"
#include "readers/xls/record_stream.h"
#include "readers/xls/workbook_globals.h"

namespace k27093::xls {
namespace {

namespace records = chart_records;
using document::AxisData;

// Deeper than any chart nests its blocks (Excel's go five or six deep).
constexpr std::size_t kMaxDepth = 32;
constexpr std::uint16_t kWholeSeries = 0xFFFF;           // DATAFORMAT's xi for the series itself
constexpr std::uint16_t kAlwaysManualPlotArea = 0x0010;  // SHTPROPS fAlwaysAutoPlotArea
constexpr double kChartUnits = 4000;                     // SPRC: 1/4000 of the chart area

// BRAI's id and rt.
constexpr std::uint8_t kSourceName = 0;
constexpr std::uint8_t kSourceValues = 1;
constexpr std::uint8_t kSourceCategories = 2;
constexpr std::uint8_t kLiteral = 1;
constexpr std::uint8_t kReference = 2;

// SIINDEX's numIndex: what the cells cached after the chart hold.
constexpr std::uint16_t kCachedValues = 1;
constexpr std::uint16_t kCachedCategories = 2;

struct SeriesSlot {
  document::SeriesData data;
  SeriesKindFormat kind;
  std::optional<AreaFormat> area;
  std::optional<PropertyTable> gel;
  std::uint16_t chartGroup = 0;  // SERTOCRT
  bool auxiliary = false;        // a trendline's or error bars' series (SERPARENT)
  std::uint8_t nameType = 0;     // the name's BRAI rt
  std::uint8_t valuesType = 0;
  std::uint8_t categoriesType = 0;
  std::optional<std::string> nameText;                   // SERIESTEXT
  std::map<std::uint16_t, std::vector<Variant>> cached;  // by SIINDEX numIndex
};

struct GroupSlot {
  ChartGroupKind kind;
  std::int32_t axisGroup = 1;
};

// Where the format records of a DATAFORMAT or FRAME block go; nullptr parts are not kept.
struct FormatTarget {
  SeriesKindFormat* kind = nullptr;
  std::optional<AreaFormat>* area = nullptr;
  std::optional<PropertyTable>* gel = nullptr;
};

struct AxisTitle {
  std::int32_t axisGroup = 1;
  std::int32_t type = 1;
  document::TitleData title;
};

std::int32_t AxisTypeOfLink(std::uint16_t link) {
  if (link == text_links::kValueAxis) return 2;
  if (link == text_links::kSeriesAxis) return 3;
  return 1;
}

std::string AxisId(std::int32_t axisGroup, std::int32_t type) {
  return std::to_string(axisGroup) + ":" + std::to_string(type);
}

// The formula text of a literal's points: "{1,2}" or "{\"a\",\"b\"}".
std::string LiteralOf(const std::vector<Variant>& points) {
  std::string text = "{";
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) text += ',';
    if (points[i].type() == Variant::Type::Double) {
      text += NumberLiteral(points[i].AsDouble());
    } else if (points[i].IsText()) {
      text += QuotedLiteral(points[i].AsText());
    }
  }
  return text + "}";
}

class ChartReader {
 public:
  ChartReader(RecordStream& stream, const WorkbookGlobals& globals, ChartDrawing* drawing)
      : stream_(stream), globals_(globals), drawing_(drawing) {}

  document::ChartData Read(const Record& bof);

 private:
  std::uint16_t Parent() const { return blocks_.empty() ? 0 : blocks_.back(); }
  std::int32_t CurrentAxisGroup() const { return axisGroup_; }
  // "the record 0x1051 at offset 120 of the stream 'Workbook'", for fault reasons.
  std::string Context(const Record& record) const {
    std::string context = stream_.Describe(record, "");
    context.pop_back();
    return context;
  }
  [[noreturn]] void Fail(const Record& record, std::string_view what) const {
    document::FailDamaged(stream_.Describe(record, what));
  }

  void SkipNestedSubstream(const Record& bof);
  void Open(const Record& record);
  void Close(const Record& record);
  void Take(const Record& record);
  void TakeSeriesRecord(const Record& record, ByteReader& reader);
  void TakeFormatRecord(const Record& record, ByteReader& reader);
  void TakeAxisRecord(const Record& record, ByteReader& reader);
  void TakeGroupRecord(const Record& record, ByteReader& reader);
  void TakeTextRecord(const Record& record, ByteReader& reader);
  void TakeCachedCell(const Record& record, ByteReader& reader);
  void TakeBrai(const Record& record, ByteReader& reader);
  void TakeLegend(ByteReader& reader);
  void PlaceText();

  SeriesSlot* CurrentSeries() { return series_.empty() ? nullptr : &series_.back(); }
  AxisData* CurrentAxis() { return axis_ ? &chart_.axes[*axis_] : nullptr; }

  document::ChartData Finish();
  void FinishGroupsAndSeries();
  void FinishAxes();
  void FinishPlotArea();

  RecordStream& stream_;
  const WorkbookGlobals& globals_;
  ChartDrawing* drawing_;
  document::ChartData chart_;

  std::vector<std::uint16_t> blocks_;  // the record that opened each open BEGIN
  std::uint16_t previous_ = 0;         // the record before, at the present level
  double width_ = 0;                   // the chart area, points (CHART)
  double height_ = 0;

  // Deques, so that the format target (format_) that points into a series or a group stays
  // valid as more are added.
  std::deque<SeriesSlot> series_;
  std::deque<GroupSlot> groups_;
  std::int32_t axisGroup_ = 1;       // of the AXISPARENT being read
  std::optional<std::size_t> axis_;  // index into chart_.axes of the AXIS being read
  std::uint16_t axisLinePart_ = 0;   // AXISLINEFORMAT: which line of the axis comes next
  FormatTarget format_;              // of the DATAFORMAT or FRAME being read
  bool legendOfDataTable_ = false;   // the LEGEND being read is the data table's

  std::optional<ChartText> text_;  // the TEXT being read
  std::uint16_t textParent_ = 0;
  std::optional<std::uint16_t> textDefaultFor_;  // DEFAULTTEXT's id before the TEXT
  std::uint16_t defaultTextId_ = 0;
  document::FontData axisFont_;  // DEFAULTTEXT 3: the axes' text
  std::vector<AxisTitle> axisTitles_;

  std::optional<AreaFormat> chartArea_;
  std::optional<PropertyTable> chartAreaGel_;
  std::optional<Position> plotPosition_;                    // of the primary axis group
  std::optional<document::ManualLayoutData> plotLayout12_;  // CrtLayout12A
  bool manualPlotArea_ = false;
  std::optional<std::uint16_t> cacheIndex_;  // SIINDEX being read
  ChartPageSetup pageSetup_;
};

document::ChartData ChartReader::Read(const Record& bof) {
  while (std::optional<Record> record = stream_.Next()) {
    if (record->type == record_types::kBof) {
      SkipNestedSubstream(*record);
    } else if (record->type == record_types::kEof) {
      return Finish();
    } else if (drawing_ != nullptr && drawing_->Take(stream_, *record)) {
      previous_ = record->type;
    } else if (record->type == records::kBegin) {
      Open(*record);
    } else if (record->type == records::kEnd) {
      Close(*record);
    } else {
      Take(*record);
      previous_ = record->type;
    }
  }
  Fail(bof, "begins a chart that has no EOF");
}

void ChartReader::SkipNestedSubstream(const Record& bof) {
  if (!stream_.SkipToSubstreamEnd()) Fail(bof, "begins a substream inside a chart that has no EOF");
}

void ChartReader::Open(const Record& record) {
  if (blocks_.size() == kMaxDepth) Fail(record, "nests the chart's blocks too deep");
  blocks_.push_back(previous_);
  previous_ = 0;
}

void ChartReader::Close(const Record& record) {
  if (blocks_.empty()) Fail(record, "ends a block of the chart that was not begun");
  const std::uint16_t closed = blocks_.back();
  blocks_.pop_back();
  previous_ = closed;
  switch (closed) {
    case records::kText:
      PlaceText();
      break;
    case records::kDataFormat:
    case records::kFrame:
      format_ = {};
      break;
    case records::kAxis:
      axis_.reset();
      break;
    case records::kAxisParent:
      axisGroup_ = 1;
      break;
    case records::kLegend:
      legendOfDataTable_ = false;
      break;
    default:
      break;
  }
}

void ChartReader::Take(const Record& record) {
  ByteReader reader(stream_, record);
  switch (record.type) {
    case records::kChart:
      reader.Skip(8);
      width_ = ReadFixedPoint(reader);
      height_ = ReadFixedPoint(reader);
      return;
    case records::kSeries:
      if (series_.size() == kMaxChartSeries) Fail(record, "adds a series past the chart's limit");
      series_.emplace_back();
      cacheIndex_.reset();
      return;
    case records::kSheetProperties:
      manualPlotArea_ = (reader.U16() & kAlwaysManualPlotArea) != 0;
      return;
    case records::kPlotAreaLayout:
      if (!plotLayout12_) plotLayout12_ = ReadPlotAreaLayout(reader);
      return;
    case records::kDataTable: {
      const std::uint16_t flags = reader.U16();
      document::DataTableData& table = chart_.dataTable.emplace();
      table.horizontalBorder = (flags & 0x0001) != 0;
      table.verticalBorder = (flags & 0x0002) != 0;
      table.outline = (flags & 0x0004) != 0;
      table.showKeys = (flags & 0x0008) != 0;
      return;
    }
    case records::kSetup:
      pageSetup_.setup = ReadSetup(reader);
      return;
    case records::kPrintSize:
      pageSetup_.printSize = reader.U16();
      return;
    case records::kSeriesIndex:
      if (blocks_.empty()) cacheIndex_ = reader.U16();
      return;
    case records::kNumber:
    case records::kLabel:
    case records::kBoolErr:
    case records::kBlank:
      TakeCachedCell(record, reader);
      return;
    case records::kDefaultText:
      defaultTextId_ = reader.U16();
      return;
    case records::kFrame:
      // The chart area's frame is the chart's first; the plot area's follows PLOTAREA.
      if (Parent() == records::kChart && previous_ != records::kPlotArea) {
        format_ = {nullptr, &chartArea_, &chartAreaGel_};
      }
      return;
    default:
      break;
  }
  TakeSeriesRecord(record, reader);
}

void ChartReader::TakeSeriesRecord(const Record& record, ByteReader& reader) {
  SeriesSlot* series = CurrentSeries();
  const bool inSeries = Parent() == records::kSeries && series != nullptr;
  switch (record.type) {
    case records::kBrai:
      TakeBrai(record, reader);
      return;
    case records::kSeriesText:
      reader.Skip(2);
      if (inSeries) {
        series->nameText = reader.ShortUnicodeString();
      } else if (text_ && Parent() == records::kText) {
        text_->text = reader.ShortUnicodeString();
      }
      return;
    case records::kSeriesToChartGroup:
      if (inSeries) series->chartGroup = reader.U16();
      return;
    case records::kSeriesParent:
      if (inSeries) series->auxiliary = true;
      return;
    case records::kDataFormat: {
      const std::uint16_t point = reader.U16();
      reader.Skip(2);  // yi: the series' index, which the SERIES records' order gives
      const std::uint16_t order = reader.U16();
      if (inSeries && point == kWholeSeries) {
        series->data.order = order;
        format_ = {&series->kind, &series->area, &series->gel};
      } else if (Parent() == records::kChartFormat && !groups_.empty()) {
        format_ = {&groups_.back().kind.defaults, nullptr, nullptr};
      }
      return;
    }
    default:
      break;
  }
  TakeFormatRecord(record, reader);
}

void ChartReader::TakeFormatRecord(const Record& record, ByteReader& reader) {
  switch (record.type) {
    case records::kAreaFormat:
      if (format_.area != nullptr) *format_.area = ReadAreaFormat(reader);
      return;
    case records::kGelFrame:
      if (format_.gel != nullptr) {
        *format_.gel = ReadGelFrame(record.Joined(), Context(record));
      }
      return;
    case records::kLineFormat:
      if (format_.kind != nullptr) {
        format_.kind->line = ReadLineFormat(reader);
      } else if (Parent() == records::kAxis && previous_ == records::kAxisLine &&
                 axisLinePart_ == 0 && CurrentAxis() != nullptr) {
        // The axis line's format says whether the axis is there at all: a deleted axis
        // keeps its records with fAxisOn clear. An axis without this format is shown.
        CurrentAxis()->deleted = !ReadLineFormat(reader).axisShown;
      }
      return;
    case records::kMarkerFormat:
      if (format_.kind != nullptr) format_.kind->marker = ReadMarkerFormat(reader);
      return;
    case records::kPieFormat:
      if (format_.kind != nullptr) format_.kind->explosion = reader.U16();
      return;
    case records::kBarShape:
      if (format_.kind != nullptr) {
        format_.kind->riser = reader.U8();
        format_.kind->taper = reader.U8();
      }
      return;
    case records::kSeriesFormat:
      if (format_.kind != nullptr) {
        const std::uint16_t flags = reader.U16();
        format_.kind->smooth = (flags & 0x0001) != 0;
        format_.kind->bubbles3D = (flags & 0x0002) != 0;
      }
      return;
    default:
      break;
  }
  TakeAxisRecord(record, reader);
}

void ChartReader::TakeAxisRecord(const Record& record, ByteReader& reader) {
  AxisData* axis = Parent() == records::kAxis ? CurrentAxis() : nullptr;
  switch (record.type) {
    case records::kAxisParent:
      axisGroup_ = reader.U16() == 1 ? 2 : 1;
      return;
    case records::kPos:
      if (Parent() == records::kAxisParent && axisGroup_ == 1) plotPosition_ = ReadPosition(reader);
      return;
    case records::kAxis: {
      if (Parent() != records::kAxisParent) return;
      AxisData& added = chart_.axes.emplace_back();
      added.type = std::min<std::int32_t>(reader.U16(), 2) + 1;
      added.element = added.type == 2   ? AxisData::Element::Value
                      : added.type == 3 ? AxisData::Element::Series
                                        : AxisData::Element::Category;
      added.axisGroup = axisGroup_;
      added.id = AxisId(axisGroup_, added.type);
      added.tickLabelFont = axisFont_;
      axis_ = chart_.axes.size() - 1;
      return;
    }
    case records::kValueRange:
      if (axis != nullptr) {
        const ValueScale scale = ReadValueScale(reader);
        axis->element = AxisData::Element::Value;
        axis->minimum = scale.minimum;
        axis->maximum = scale.maximum;
        axis->majorUnit = scale.majorUnit;
        axis->minorUnit = scale.minorUnit;
      }
      return;
    case records::kAxisExtension:
      if (axis != nullptr) {
        reader.Skip(16);
        if ((reader.U16() & 0x0010) != 0) axis->element = AxisData::Element::Date;
      }
      return;
    case records::kTick:
      if (axis != nullptr) {
        const TickFormat tick = ReadTickFormat(reader);
        axis->majorTickMark = TickMarkOf(tick.major);
        axis->minorTickMark = TickMarkOf(tick.minor);
        axis->tickLabelPosition = TickLabelPositionOf(tick.labels);
      }
      return;
    case records::kAxisLine:
      if (axis != nullptr) {
        const std::uint16_t line = reader.U16();
        axisLinePart_ = line;
        if (line == 1) axis->majorGridlines = true;
        if (line == 2) axis->minorGridlines = true;
      }
      return;
    case records::kFontX:
      if (axis != nullptr) {
        axis->tickLabelFont = globals_.FontDataOf(reader.U16());
        return;
      }
      break;
    default:
      break;
  }
  TakeGroupRecord(record, reader);
}

void ChartReader::TakeGroupRecord(const Record& record, ByteReader& reader) {
  const bool inGroup = Parent() == records::kChartFormat && !groups_.empty();
  ChartGroupKind* kind = inGroup ? &groups_.back().kind : nullptr;
  switch (record.type) {
    case records::kChartFormat:
      groups_.push_back(GroupSlot{{}, axisGroup_});
      return;
    case records::kBar:
    case records::kScatter:
      if (kind != nullptr) {
        reader.Skip(4);  // BAR's overlap and gap, SCATTER's bubble sizes
        kind->record = record.type;
        kind->flags = reader.U16();
      }
      return;
    case records::kLine:
    case records::kArea:
    case records::kRadar:
    case records::kRadarArea:
    case records::kSurface:
      if (kind != nullptr) {
        kind->record = record.type;
        kind->flags = reader.U16();
      }
      return;
    case records::kPie:
      if (kind != nullptr) {
        reader.Skip(2);  // anStart
        kind->record = record.type;
        kind->donutHole = reader.U16();
      }
      return;
    case records::kPieOfPie:
      if (kind != nullptr) {
        kind->record = record.type;
        kind->pieOfPieType = reader.U8();
      }
      return;
    case records::kChart3D:
      if (kind != nullptr) kind->view3D = ReadView3D(reader);
      return;
    case records::kLegend:
      legendOfDataTable_ = Parent() == records::kDataTable;
      if (inGroup && !chart_.legend) TakeLegend(reader);
      return;
    default:
      break;
  }
  TakeTextRecord(record, reader);
}

void ChartReader::TakeLegend(ByteReader& reader) {
  reader.Skip(16);  // x, y, dx, dy
  chart_.legend.emplace().position = LegendPositionOf(reader.U8());
}

void ChartReader::TakeTextRecord(const Record& record, ByteReader& reader) {
  const bool inText = text_ && Parent() == records::kText;
  switch (record.type) {
    case records::kText:
      text_.emplace();
      textParent_ = Parent();
      textDefaultFor_.reset();
      if (previous_ == records::kDefaultText) textDefaultFor_ = defaultTextId_;
      reader.Skip(24);
      text_->flags = reader.U16();
      return;
    case records::kObjectLink:
      if (inText) text_->link = reader.U16();
      return;
    case records::kFontX:
      if (inText) text_->font = reader.U16();
      return;
    case records::kRichTextRuns:
      if (inText) {
        const std::uint16_t count = reader.U16();
        if (std::size_t{count} * 4 > reader.Remaining())
          Fail(record, "announces more runs than it holds");
        text_->runs.clear();
        for (std::uint16_t i = 0; i < count; ++i) {
          const std::uint16_t first = reader.U16();
          text_->runs.push_back({first, reader.U16()});
        }
      }
      return;
    default:
      return;  // a record the chart does not need
  }
}

void ChartReader::TakeBrai(const Record& record, ByteReader& reader) {
  const std::uint8_t id = reader.U8();
  const std::uint8_t type = reader.U8();
  reader.Skip(4);  // flags, ifmt
  const std::uint16_t size = reader.U16();
  const std::string formula = FormulaText(reader.Bytes(size), globals_, Context(record));
  SeriesSlot* series = CurrentSeries();
  if (Parent() == records::kSeries && series != nullptr) {
    const std::string reference = type == kReference ? formula : std::string();
    if (id == kSourceName) {
      series->nameType = type;
      if (!reference.empty()) series->data.name.emplace().reference = reference;
    } else if (id == kSourceValues) {
      series->valuesType = type;
      series->data.values.reference = reference;
    } else if (id == kSourceCategories) {
      series->categoriesType = type;
      series->data.categories.reference = reference;
    }
  } else if (text_ && Parent() == records::kText && type == kReference) {
    text_->reference = formula;
  }
}

void ChartReader::TakeCachedCell(const Record& record, ByteReader& reader) {
  if (!cacheIndex_ || !blocks_.empty()) return;
  const std::uint16_t row = reader.U16();
  const std::uint16_t column = reader.U16();
  reader.Skip(2);  // ixfe
  if (column >= series_.size()) return;
  if (row >= kMaxChartPoints) Fail(record, "caches a point past a series' limit");
  Variant value;
  if (record.type == records::kNumber) {
    value = Variant(reader.F64());
  } else if (record.type == records::kLabel) {
    value = Variant(reader.UnicodeString());
  } else if (record.type == records::kBoolErr) {
    const std::uint8_t content = reader.U8();
    if (reader.U8() == 0) value = Variant(content != 0);
  }
  std::vector<Variant>& points = series_[column].cached[*cacheIndex_];
  if (points.size() <= row) points.resize(row + 1u);
  points[row] = std::move(value);
}

void ChartReader::PlaceText() {
  if (!text_) return;
  const ChartText text = std::move(*text_);
  text_.reset();
  if (text.link == text_links::kChartTitle) {
    chart_.autoTitleDeleted = IsDeleted(text);
    if (!IsDeleted(text)) chart_.title = TitleOf(text, globals_);
  } else if (text.link == text_links::kValueAxis || text.link == text_links::kCategoryAxis ||
             text.link == text_links::kSeriesAxis) {
    if (!IsDeleted(text)) {
      axisTitles_.push_back({axisGroup_, AxisTypeOfLink(*text.link), TitleOf(text, globals_)});
    }
  } else if (textParent_ == records::kLegend) {
    document::FontData font = globals_.FontDataOf(text.font);
    if (legendOfDataTable_ && chart_.dataTable) {
      chart_.dataTable->font = font;
    } else if (!legendOfDataTable_ && chart_.legend) {
      chart_.legend->font = font;
    }
  } else if (textDefaultFor_ == 2) {
    chart_.areaFont = globals_.FontDataOf(text.font);
  } else if (textDefaultFor_ == 3) {
    axisFont_ = globals_.FontDataOf(text.font);
  }
}

document::ChartData ChartReader::Finish() {
  FinishGroupsAndSeries();
  FinishAxes();
  FinishPlotArea();
  chart_.areaFill = FillOf(chartArea_, chartAreaGel_ ? &*chartAreaGel_ : nullptr, globals_);
  chart_.pageSetup = PageSetupOf(pageSetup_);
  if (drawing_ != nullptr) chart_.shapes = drawing_->Shapes(width_, height_);
  return std::move(chart_);
}

// The series' sources from their BRAI records, their SERIESTEXT and the cached cells.
void FinishSources(SeriesSlot& slot) {
  document::SeriesData& series = slot.data;
  if (slot.nameType == kLiteral && slot.nameText) {
    series.name.emplace().literal = QuotedLiteral(*slot.nameText);
  }
  if (series.name && slot.nameText) series.name->points = {Variant(*slot.nameText)};
  series.values.points = std::move(slot.cached[kCachedValues]);
  series.categories.points = std::move(slot.cached[kCachedCategories]);
  if (slot.valuesType == kLiteral && !series.values.points.empty()) {
    series.values.literal = LiteralOf(series.values.points);
  }
  if (slot.categoriesType == kLiteral && !series.categories.points.empty()) {
    series.categories.literal = LiteralOf(series.categories.points);
  }
}

void ChartReader::FinishGroupsAndSeries() {
  std::vector<const SeriesKindFormat*> firstSeries(groups_.size(), nullptr);
  std::int32_t index = 0;
  for (SeriesSlot& slot : series_) {
    const std::int32_t ownIndex = index++;
    if (slot.auxiliary) continue;
    if (slot.chartGroup >= groups_.size()) {
      document::FailDamaged("the chart at offset " + std::to_string(stream_.offset()) +
                            " of the stream '" + stream_.name() +
                            "' draws a series with the chart group " +
                            std::to_string(slot.chartGroup) + ", which it does not have");
    }
    if (firstSeries[slot.chartGroup] == nullptr) firstSeries[slot.chartGroup] = &slot.kind;
    document::SeriesData& series = slot.data;
    series.group = slot.chartGroup;
    series.index = ownIndex;
    series.chartType = GroupChartType(groups_[slot.chartGroup].kind, &slot.kind);
    series.fill = FillOf(slot.area, slot.gel ? &*slot.gel : nullptr, globals_);
    series.line = LineOf(slot.kind.line, globals_);
    if (slot.kind.marker)
      series.markers = slot.kind.marker->automatic || slot.kind.marker->symbol != 0;
    FinishSources(slot);
    chart_.series.push_back(std::move(series));
  }
  std::stable_sort(chart_.series.begin(), chart_.series.end(),
                   [](const auto& a, const auto& b) { return a.group < b.group; });
  for (std::size_t i = 0; i < groups_.size(); ++i) {
    document::ChartGroupData& group = chart_.groups.emplace_back();
    group.element = GroupElement(groups_[i].kind);
    group.chartType = GroupChartType(groups_[i].kind, firstSeries[i]);
    group.axisGroup = groups_[i].axisGroup;
    for (const AxisData& axis : chart_.axes) {
      if (axis.axisGroup == group.axisGroup) group.axisIds.push_back(axis.id);
    }
  }
  chart_.chartType = document::ChartTypeOf(chart_.groups);
}

void ChartReader::FinishAxes() {
  const bool horizontal = std::any_of(groups_.begin(), groups_.end(), [](const GroupSlot& group) {
    return HasHorizontalBars(group.kind);
  });
  for (AxisData& axis : chart_.axes) {
    const bool primary = axis.axisGroup == 1;
    if (axis.type == 3) {
      axis.position = "b";
    } else if ((axis.type == 1) != horizontal) {
      axis.position = primary ? "b" : "t";
    } else {
      axis.position = primary ? "l" : "r";
    }
    for (AxisTitle& title : axisTitles_) {
      if (title.axisGroup == axis.axisGroup && title.type == axis.type) axis.title = title.title;
    }
  }
}

void ChartReader::FinishPlotArea() {
  if (plotLayout12_) {
    chart_.plotAreaLayout = plotLayout12_;
    return;
  }
  if (!manualPlotArea_ || !plotPosition_) return;
  // The primary axis group's POS: the plot area's outer box, its corner and its size in
  // 1/4000 of the chart area.
  document::ManualLayoutData layout;
  layout.xMode = document::ManualLayoutData::Mode::Edge;
  layout.yMode = document::ManualLayoutData::Mode::Edge;
  layout.x = plotPosition_->x1 / kChartUnits;
  layout.y = plotPosition_->y1 / kChartUnits;
  layout.width = plotPosition_->x2 / kChartUnits;
  layout.height = plotPosition_->y2 / kChartUnits;
  chart_.plotAreaLayout = layout;
}

}  // namespace

document::ChartData ReadChartRecords(RecordStream& stream, const Record& bof,
                                     const WorkbookGlobals& globals, ChartDrawing* drawing) {
  return ChartReader(stream, globals, drawing).Read(bof);
}

}  // namespace k27093::xls
