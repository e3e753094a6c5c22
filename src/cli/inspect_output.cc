// The JSON face of the inspect command (inspect_text.cc writes the text).
#include "cli/inspect_output.h"

namespace k27093::client {

namespace {

using Json = nlohmann::ordered_json;

Json JsonOf(const Variant& value) { return ValueJson(value); }
Json JsonOf(const std::string& text) { return text; }
Json JsonOf(bool value) { return value; }
Json JsonOf(std::int32_t value) { return value; }
Json JsonOf(double value) { return value; }

Json ErrorObject(std::int32_t error) { return {{"error", error}}; }

// The value of a read, or {"error":N} when it raised.
template <class T, class ToJson>
Json ReadingJson(const Reading<T>& reading, ToJson toJson) {
  return reading.ok() ? Json(toJson(reading.value())) : ErrorObject(reading.error());
}

template <class T>
Json ReadingJson(const Reading<T>& reading) {
  return ReadingJson(reading, [](const T& value) { return JsonOf(value); });
}

// null when the part is absent.
template <class T, class ToJson>
Json OptionalJson(const std::optional<T>& part, ToJson toJson) {
  return part ? Json(toJson(*part)) : Json(nullptr);
}

template <class T, class ToJson>
Json ArrayJson(const std::vector<T>& items, ToJson toJson) {
  Json array = Json::array();
  for (const T& item : items) array.push_back(toJson(item));
  return array;
}

template <class T, class ToJson>
Json ReadArrayJson(const Reading<std::vector<T>>& items, ToJson toJson) {
  return ReadingJson(items, [&](const std::vector<T>& list) { return ArrayJson(list, toJson); });
}

// Appends "left", "top", "width" and "height" to `object`.
Json WithPlace(Json object, const PlaceView& place) {
  object["left"] = ReadingJson(place.left);
  object["top"] = ReadingJson(place.top);
  object["width"] = ReadingJson(place.width);
  object["height"] = ReadingJson(place.height);
  return object;
}

Json FontJson(const FontView& font) {
  return {{"name", ReadingJson(font.name)}, {"size", ReadingJson(font.size)}};
}

Json SeriesJson(const SeriesView& series) {
  return {{"formula", ReadingJson(series.formula)},
          {"name", ReadingJson(series.name)},
          {"type", ReadingJson(series.type)},
          {"chartType", ReadingJson(series.chartType)},
          {"interiorColor", ReadingJson(series.interiorColor)}};
}

Json AxisJson(const AxisView& axis) {
  return {{"type", axis.type},
          {"hasTitle", ReadingJson(axis.hasTitle)},
          {"majorGridlines", ReadingJson(axis.majorGridlines)},
          {"minorGridlines", ReadingJson(axis.minorGridlines)},
          {"majorTickMark", ReadingJson(axis.majorTickMark)},
          {"minorTickMark", ReadingJson(axis.minorTickMark)},
          {"tickLabelPosition", ReadingJson(axis.tickLabelPosition)},
          {"majorUnit", ReadingJson(axis.majorUnit)},
          {"majorUnitIsAuto", ReadingJson(axis.majorUnitIsAuto)},
          {"categoryNames",
           OptionalJson(axis.categoryNames, [](const auto& r) { return ReadingJson(r); })}};
}

Json PlotAreaJson(const PlotAreaView& area) {
  Json json = WithPlace(Json::object(), area.outer);
  json["insideLeft"] = ReadingJson(area.inside.left);
  json["insideTop"] = ReadingJson(area.inside.top);
  json["insideWidth"] = ReadingJson(area.inside.width);
  json["insideHeight"] = ReadingJson(area.inside.height);
  return json;
}

Json ChartAreaJson(const ChartAreaView& area) {
  return {{"font", FontJson(area.font)},
          {"textureName", ReadingJson(area.textureName)},
          {"textureType", ReadingJson(area.textureType)}};
}

Json TextBoxJson(const TextBoxView& box) {
  return WithPlace({{"name", ReadingJson(box.name)}, {"text", ReadingJson(box.text)}}, box.place);
}

Json ShapeJson(const ShapeView& shape) {
  Json json = WithPlace({{"name", shape.name},
                         {"type", shape.type},
                         {"autoShapeType", ReadingJson(shape.autoShapeType)}},
                        shape.place);
  json["zOrderPosition"] = ReadingJson(shape.zOrderPosition);
  json["fillColor"] = ReadingJson(shape.fillColor);
  json["lineColor"] = ReadingJson(shape.lineColor);
  json["text"] = OptionalJson(shape.text, [](const std::string& text) { return Json(text); });
  return json;
}

Json CheckBoxJson(const CheckBoxView& box) {
  return WithPlace({{"name", ReadingJson(box.name)}, {"value", ReadingJson(box.value)}}, box.place);
}

// The chart object's place; null keys for a chart sheet.
Json WithChartPlace(Json object, const std::optional<PlaceView>& place) {
  if (place) return WithPlace(std::move(object), *place);
  for (const char* key : {"left", "top", "width", "height"}) object[key] = nullptr;
  return object;
}

Json ChartJson(const ChartView& chart) {
  Json json = WithChartPlace({{"name", chart.name},
                              {"chartType", chart.chartType},
                              {"type", ReadingJson(chart.type)},
                              {"subType", ReadingJson(chart.subType)}},
                             chart.place);
  json["series"] = ReadArrayJson(chart.series, SeriesJson);
  json["hasTitle"] = ReadingJson(chart.hasTitle);
  json["title"] = OptionalJson(chart.title, [](const auto& r) { return ReadingJson(r); });
  json["titleFont"] = OptionalJson(chart.titleFont, FontJson);
  json["hasLegend"] = ReadingJson(chart.hasLegend);
  json["legendPosition"] =
      OptionalJson(chart.legendPosition, [](const auto& r) { return ReadingJson(r); });
  json["hasAxis"] = {{"category", ReadingJson(chart.hasAxis.category)},
                     {"value", ReadingJson(chart.hasAxis.value)},
                     {"series", ReadingJson(chart.hasAxis.series)}};
  json["axes"] = ArrayJson(
      chart.axes, [](const Reading<AxisView>& axis) { return ReadingJson(axis, AxisJson); });
  json["plotArea"] = PlotAreaJson(chart.plotArea);
  json["chartArea"] = ChartAreaJson(chart.chartArea);
  json["hasDataTable"] = ReadingJson(chart.hasDataTable);
  json["chartSize"] = ReadingJson(chart.chartSize);
  json["textBoxes"] = ReadArrayJson(chart.textBoxes, TextBoxJson);
  json["shapes"] = ReadArrayJson(chart.shapes, ShapeJson);
  return json;
}

const char* KindName(SheetView::Kind kind) {
  return kind == SheetView::Kind::kChart ? "chart" : "worksheet";
}

Json SheetJson(const SheetView& sheet) {
  return {
      {"name", sheet.name},
      {"kind", KindName(sheet.kind)},
      {"protectContents", ReadingJson(sheet.protectContents)},
      {"cells",
       ArrayJson(sheet.cells,
                 [](const CellView& cell) {
                   return Json{{"address", cell.address}, {"value", ValueJson(cell.value)}};
                 })},
      {"comments", ArrayJson(sheet.comments,
                             [](const CommentView& comment) {
                               return Json{{"address", comment.address}, {"text", comment.text}};
                             })},
      {"charts", ReadArrayJson(sheet.charts, ChartJson)},
      {"shapes", ReadArrayJson(sheet.shapes, ShapeJson)},
      {"textBoxes", ReadArrayJson(sheet.textBoxes, TextBoxJson)},
      {"checkBoxes", ReadArrayJson(sheet.checkBoxes, CheckBoxJson)}};
}

Json SelectionJson(const SelectionView& selection) {
  return {{"typeName", selection.typeName},
          {"address", OptionalJson(selection.address,
                                   [](const std::string& address) { return Json(address); })},
          {"name", OptionalJson(selection.name, [](const auto& r) { return ReadingJson(r); })}};
}

}  // namespace

Json ValueJson(const Variant& value) {
  switch (value.type()) {
    case Variant::Type::Boolean:
      return value.AsBoolean();
    case Variant::Type::Long:
      return value.AsLong();
    case Variant::Type::Double:
      return value.AsDouble();
    case Variant::Type::Text:
      return value.AsText();
    case Variant::Type::Empty:
    case Variant::Type::Null:
      return nullptr;
    case Variant::Type::Array:
      return ArrayJson(value.AsArray().items, ValueJson);
    case Variant::Type::Object:
      break;
  }
  Raise(errors::kTypeMismatch);
}

Json WorkbookJson(const WorkbookView& view) {
  return {{"workbook", view.name},
          {"activeSheet", view.activeSheet},
          {"selection", ReadingJson(view.selection,
                                    [](const std::optional<SelectionView>& selection) {
                                      return OptionalJson(selection, SelectionJson);
                                    })},
          {"sheets", ArrayJson(view.sheets, SheetJson)}};
}

void PrintJson(std::ostream& out, const Json& json) {
  out << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace k27093::client
