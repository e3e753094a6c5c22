#include "readers/ooxml/vml_drawing.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>

#include "readers/ooxml/cell_reference.h"
#include "readers/ooxml/drawing_part.h"
#include "readers/ooxml/drawingml.h"
#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

constexpr double kPointsPerPixel = 0.75;
constexpr std::string_view kShapeIdPrefix = "_x0000_s";

// A form control's VML ObjectType, the type its properties part would name, and the name
// Excel gives a new one.
struct ControlKind {
  std::string_view objectType;
  std::string_view controlType;
  std::string_view defaultName;
};

constexpr std::array<ControlKind, 11> kControlKinds = {{
    {"Checkbox", "CheckBox", "Check Box"},
    {"Radio", "Radio", "Option Button"},
    {"Button", "Button", "Button"},
    {"Drop", "Drop", "Drop Down"},
    {"List", "List", "List Box"},
    {"GBox", "GBox", "Group Box"},
    {"Label", "Label", "Label"},
    {"Spin", "Spin", "Spinner"},
    {"Scroll", "Scroll", "Scroll Bar"},
    {"Edit", "EditBox", "Edit Box"},
    {"Dialog", "Dialog", "Dialog Frame"},
}};

const ControlKind* KindOf(std::string_view objectType) {
  for (const ControlKind& kind : kControlKinds) {
    if (kind.objectType == objectType) return &kind;
  }
  return nullptr;
}

// The attribute whose local name is `localName`, whatever its prefix ("o:spid").
pugi::xml_attribute AttributeNamed(pugi::xml_node node, std::string_view localName) {
  for (pugi::xml_attribute attribute : node.attributes()) {
    if (LocalName(attribute.name()) == localName) return attribute;
  }
  return pugi::xml_attribute();
}

// The number of a shape id "_x0000_s1025"; nullopt for an id of another form.
std::optional<std::int64_t> ShapeNumber(std::string_view id) {
  if (!id.starts_with(kShapeIdPrefix)) return std::nullopt;
  id.remove_prefix(kShapeIdPrefix.size());
  std::int64_t number = 0;
  const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), number);
  if (id.empty() || error != std::errc() || end != id.data() + id.size() || number < 1) {
    return std::nullopt;
  }
  return number;
}

// The name a given id stands for: the default name of the control's kind for an id that is
// the shape's own number, the id itself (escapes decoded) for one the user gave.
std::string NameOf(std::string_view id, const ControlKind& kind) {
  // Each drawing numbers its shapes from a block of 1024 ids: 1025 is its first.
  if (const std::optional<std::int64_t> number = ShapeNumber(id)) {
    return std::string(kind.defaultName) + " " + std::to_string((*number - 1) % 1024 + 1);
  }
  return DecodeEscapes(id);
}

// The place of x:Anchor "column, offset, row, offset, column, offset, row, offset" (offsets
// in pixels): from its first cell corner to its second.
document::GeometryData AnchorGeometry(pugi::xml_node anchor, const document::SheetLayout& layout,
                                      const PartScope& scope) {
  const std::string text = ElementText(anchor, scope.part());
  std::array<std::int64_t, 8> values{};
  std::string_view rest = text;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::size_t comma = rest.find(',');
    const std::string_view item = Trimmed(rest.substr(0, comma));
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), values[i]);
    const std::int64_t limit = i % 4 == 0 ? kMaxColumns : i % 4 == 2 ? kMaxRows : 1 << 20;
    const bool last = i + 1 == values.size();
    if (item.empty() || error != std::errc() || end != item.data() + item.size() || values[i] < 0 ||
        values[i] > limit || (comma == std::string_view::npos) != last) {
      scope.Fail("has the control anchor " + Quoted(Trimmed(text).substr(0, 80)) +
                 ", which is not eight cell positions and offsets");
    }
    rest = last ? std::string_view() : rest.substr(comma + 1);
  }
  const auto column = [&](std::size_t i) {
    return layout.ColumnLeft(static_cast<std::int32_t>(values[i])) +
           static_cast<double>(values[i + 1]) * kPointsPerPixel;
  };
  const auto row = [&](std::size_t i) {
    return layout.RowTop(static_cast<std::int32_t>(values[i])) +
           static_cast<double>(values[i + 1]) * kPointsPerPixel;
  };
  document::GeometryData geometry;
  geometry.left = column(0);
  geometry.top = row(2);
  geometry.width = std::max(0.0, column(4) - geometry.left);
  geometry.height = std::max(0.0, row(6) - geometry.top);
  return geometry;
}

// xlOn 1, xlMixed 2, xlOff -4146 from x:Checked.
std::int32_t CheckValueOf(pugi::xml_node checked, const PartScope& scope) {
  if (!checked) return -4146;
  const std::string text = ElementText(checked, scope.part());
  const std::string_view value = Trimmed(text);
  if (value == "1") return 1;
  if (value == "2") return 2;
  if (value == "0" || value.empty()) return -4146;
  scope.Fail("has a check box whose state " + Quoted(value.substr(0, 40)) +
             " is neither 0, 1 nor 2");
}

std::optional<document::DrawingObjectData> ControlOf(pugi::xml_node shape,
                                                     const document::SheetLayout& layout, PartScope& scope) {
  const pugi::xml_node clientData = ChildNamed(shape, "ClientData");
  const ControlKind* kind = KindOf(PlainAttribute(clientData, "ObjectType").value());
  if (kind == nullptr) return std::nullopt;
  document::DrawingObjectData control;
  control.kind = document::DrawingObjectData::Kind::FormControl;
  control.controlType = kind->controlType;
  control.name = NameOf(PlainAttribute(shape, "id").value(), *kind);
  const pugi::xml_attribute spid = AttributeNamed(shape, "spid");
  control.id = ShapeNumber(spid ? spid.value() : PlainAttribute(shape, "id").value()).value_or(0);
  scope.Take(control.name.size());
  if (const pugi::xml_node anchor = ChildNamed(clientData, "Anchor")) {
    control.geometry = AnchorGeometry(anchor, layout, scope);
  }
  if (control.controlType == "CheckBox") {
    control.checkValue = CheckValueOf(ChildNamed(clientData, "Checked"), scope);
  }
  return control;
}

// The length of a "<br>" (any case, blanks before ">") at the start of `text`; 0 if none.
std::size_t OpenLineBreakAt(std::string_view text) {
  if (text.size() < 4 || (text[1] != 'b' && text[1] != 'B') || (text[2] != 'r' && text[2] != 'R')) {
    return 0;
  }
  std::size_t end = 3;
  while (end < text.size() && (text[end] == ' ' || text[end] == '\t')) ++end;
  return end < text.size() && text[end] == '>' ? end + 1 : 0;
}

}  // namespace

std::string RepairedVml(std::string_view vml) {
  std::string repaired;
  repaired.reserve(vml.size());
  std::size_t i = 0;
  while (i < vml.size()) {
    const std::string_view rest = vml.substr(i);
    if (rest.starts_with("<![CDATA[")) {
      const std::size_t end = rest.find("]]>");
      const std::size_t length = end == std::string_view::npos ? rest.size() : end + 3;
      repaired += rest.substr(0, length);
      i += length;
    } else if (rest.starts_with("<![if") || rest.starts_with("<![endif")) {
      const std::size_t close = rest.find('>');
      i += close == std::string_view::npos ? rest.size() : close + 1;
    } else if (const std::size_t length = rest.front() == '<' ? OpenLineBreakAt(rest) : 0) {
      repaired += "<br/>";
      i += length;
    } else {
      repaired += vml[i++];
    }
  }
  return repaired;
}

std::vector<document::DrawingObjectData> ReadVmlControls(Package& package, std::string_view part,
                                                         const document::SheetLayout& layout,
                                                         ContentBudget& budget) {
  const pugi::xml_document document = ParseXmlBytes(RepairedVml(package.Read(part)), part, "xml");
  PartScope scope(part, budget);
  std::vector<document::DrawingObjectData> controls;
  for (pugi::xml_node shape : document.document_element().children()) {
    if (shape.type() != pugi::node_element || LocalName(shape.name()) != "shape") continue;
    std::optional<document::DrawingObjectData> control = ControlOf(shape, layout, scope);
    if (!control) continue;
    if (controls.size() == kMaxDrawnObjects) {
      scope.Fail("holds more than " + std::to_string(kMaxDrawnObjects) + " drawn objects");
    }
    controls.push_back(std::move(*control));
  }
  return controls;
}

}  // namespace k27093::ooxml
