#include "readers/ooxml/drawingml.h"

#include <charconv>
#include <cmath>

#include "api/text.h"
#include "readers/ooxml/color_element.h"
#include "readers/ooxml/color_model.h"
#include "document/read_fault.h"
#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

std::optional<bool> ParseBoolean(std::string_view text) {
  text = Trimmed(text);
  if (text == "1" || text == "true") return true;
  if (text == "0" || text == "false") return false;
  return std::nullopt;
}

bool IsElement(pugi::xml_node node, std::string_view localName) {
  return node.type() == pugi::node_element && LocalName(node.name()) == localName;
}

// The colour of a gradient fill: its stop of the lowest position (the first of those).
std::optional<document::ColorData> GradientColorOf(pugi::xml_node gradient,
                                                   const PartScope& scope) {
  std::optional<document::ColorData> color;
  double lowest = 0;
  for (pugi::xml_node stop : ChildNamed(gradient, "gsLst").children()) {
    if (!IsElement(stop, "gs")) continue;
    const double position = scope.Number(stop, "pos").value_or(0);
    if (color && position >= lowest) continue;
    if (std::optional<document::ColorData> stopColor = ChildColorOf(stop, scope)) {
      color = std::move(stopColor);
      lowest = position;
    }
  }
  return color;
}

// The fill that the fill element `element` states; nullopt when it is no fill element.
std::optional<document::FillData> FillOfFillElement(pugi::xml_node element,
                                                    const PartScope& scope) {
  const std::string_view name = LocalName(element.name());
  document::FillData fill;
  if (name == "noFill") {
    fill.kind = document::FillData::Kind::None;
  } else if (name == "solidFill") {
    fill.kind = document::FillData::Kind::Solid;
    fill.color = ChildColorOf(element, scope);
  } else if (name == "gradFill") {
    fill.kind = document::FillData::Kind::Gradient;
    fill.color = GradientColorOf(element, scope);
  } else if (name == "pattFill") {
    fill.kind = document::FillData::Kind::Pattern;
    fill.color = ChildColorOf(ChildNamed(element, "fgClr"), scope);
  } else if (name == "blipFill") {
    fill.kind = document::FillData::Kind::Picture;
    fill.tiled = static_cast<bool>(ChildNamed(element, "tile"));
    fill.pictureId = PrefixedAttributeValue(ChildNamed(element, "blip"), "embed");
  } else if (name == "grpFill") {
    fill.kind = document::FillData::Kind::Group;
  } else {
    return std::nullopt;
  }
  return fill;
}

// Appends the text of one paragraph's runs, fields and line breaks; `chars` counts the
// characters of the whole text.
void AppendParagraph(pugi::xml_node paragraph, PartScope& scope, document::TextData& text,
                     std::size_t& chars) {
  for (pugi::xml_node piece : paragraph.children()) {
    if (piece.type() != pugi::node_element) continue;
    const std::string_view name = LocalName(piece.name());
    if (name == "br") {
      text.text += '\n';
      ++chars;
    } else if (name == "r" || name == "fld") {
      const std::string runText = ElementText(ChildNamed(piece, "t"), scope.part());
      scope.Take(runText.size());
      chars += CharCount(runText);
      text.text += runText;
      text.runFonts.push_back(FontOf(ChildNamed(piece, "rPr"), scope));
    }
    if (chars > kMaxTextChars) {
      scope.Fail("holds a text longer than " + std::to_string(kMaxTextChars) + " characters");
    }
  }
}

}  // namespace

void PartScope::Fail(const std::string& what) const {
  document::FailDamaged("the part " + Quoted(part_) + " " + what);
}

std::optional<double> PartScope::Number(pugi::xml_node node, std::string_view attribute) const {
  const pugi::xml_attribute value = PlainAttribute(node, attribute);
  if (!value) return std::nullopt;
  const std::optional<double> number = FiniteNumber(value.value());
  if (!number) {
    Fail("has <" + std::string(node.name()) + " " + std::string(attribute) + "=\"" + value.value() +
         "\">, which is not a number");
  }
  return number;
}

std::optional<std::int64_t> PartScope::Integer(pugi::xml_node node,
                                               std::string_view attribute) const {
  const pugi::xml_attribute value = PlainAttribute(node, attribute);
  if (!value) return std::nullopt;
  const std::optional<std::int64_t> number = ParseInteger(value.value());
  if (!number) {
    Fail("has <" + std::string(node.name()) + " " + std::string(attribute) + "=\"" + value.value() +
         "\">, which is not a whole number");
  }
  return number;
}

std::optional<bool> PartScope::Boolean(pugi::xml_node node, std::string_view attribute) const {
  const pugi::xml_attribute value = PlainAttribute(node, attribute);
  if (!value) return std::nullopt;
  const std::optional<bool> flag = ParseBoolean(value.value());
  if (!flag) {
    Fail("has <" + std::string(node.name()) + " " + std::string(attribute) + "=\"" + value.value() +
         "\">, which is not a Boolean");
  }
  return flag;
}

std::optional<double> PartScope::NumberText(pugi::xml_node element) const {
  if (!element) return std::nullopt;
  const std::string text = ElementText(element, part_);
  const std::optional<double> number = FiniteNumber(text);
  if (!number) {
    Fail("has <" + std::string(element.name()) + ">" + text.substr(0, 40) + "</" +
         std::string(element.name()) + ">, which is not a number");
  }
  return number;
}

std::string_view PartScope::Val(pugi::xml_node parent, std::string_view child) const {
  return PlainAttribute(ChildNamed(parent, child), "val").value();
}

std::optional<bool> PartScope::FlagVal(pugi::xml_node parent, std::string_view child) const {
  const pugi::xml_node element = ChildNamed(parent, child);
  if (!element) return std::nullopt;
  return Boolean(element, "val").value_or(true);
}

std::optional<double> PartScope::NumberVal(pugi::xml_node parent, std::string_view child) const {
  return Number(ChildNamed(parent, child), "val");
}

std::optional<std::int64_t> PartScope::IntegerVal(pugi::xml_node parent,
                                                  std::string_view child) const {
  return Integer(ChildNamed(parent, child), "val");
}

std::optional<std::int32_t> RgbColorOf(pugi::xml_node color, const PartScope& scope) {
  const std::optional<document::ColorData> data = ColorOf(color, scope);
  if (!data || !data->rgb) return std::nullopt;
  return TransformedNumber(*data->rgb, data->transforms);
}

std::optional<document::FillData> FillOf(pugi::xml_node properties, const PartScope& scope) {
  for (pugi::xml_node child : properties.children()) {
    if (child.type() != pugi::node_element) continue;
    if (std::optional<document::FillData> fill = FillOfFillElement(child, scope)) return fill;
  }
  return std::nullopt;
}

std::optional<document::FillData> FillOfElement(pugi::xml_node element, const PartScope& scope) {
  return FillOfFillElement(element, scope);
}

std::optional<document::FillData> LineOf(pugi::xml_node properties, const PartScope& scope) {
  return FillOf(ChildNamed(properties, "ln"), scope);
}

std::optional<document::StyleReferenceData> StyleReferenceOf(pugi::xml_node reference,
                                                             const PartScope& scope) {
  if (!reference) return std::nullopt;
  document::StyleReferenceData data;
  data.index = scope.Integer(reference, "idx").value_or(0);
  data.color = ChildColorOf(reference, scope);
  return data;
}

document::FontData FontOf(pugi::xml_node runProperties, const PartScope& scope) {
  document::FontData font;
  if (!runProperties) return font;
  if (const std::optional<double> size = scope.Number(runProperties, "sz")) {
    font.size = *size / 100;
  }
  font.bold = scope.Boolean(runProperties, "b");
  font.italic = scope.Boolean(runProperties, "i");
  if (const pugi::xml_attribute underline = PlainAttribute(runProperties, "u")) {
    font.underline = std::string_view(underline.value()) != "none";
  }
  if (const pugi::xml_node latin = ChildNamed(runProperties, "latin")) {
    font.name = PlainAttribute(latin, "typeface").value();
  }
  if (const std::optional<document::FillData> fill = FillOf(runProperties, scope);
      fill && fill->color) {
    font.color = fill->color->PlainRgb();
  }
  return font;
}

document::TextData TextOf(pugi::xml_node textBody, PartScope& scope) {
  document::TextData text;
  std::size_t chars = 0;
  bool first = true;
  for (pugi::xml_node paragraph : textBody.children()) {
    if (!IsElement(paragraph, "p")) continue;
    if (first) {
      text.font = FontOf(ChildNamed(ChildNamed(paragraph, "pPr"), "defRPr"), scope);
    } else {
      text.text += '\n';
      ++chars;
    }
    first = false;
    AppendParagraph(paragraph, scope, text, chars);
  }
  return text;
}

document::FontData DefaultFontOf(pugi::xml_node textProperties, const PartScope& scope) {
  return FontOf(ChildNamed(ChildNamed(ChildNamed(textProperties, "p"), "pPr"), "defRPr"), scope);
}

}  // namespace k27093::ooxml
