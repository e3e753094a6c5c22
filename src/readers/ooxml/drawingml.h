// DrawingML as worksheet drawings and charts share it, read into WorkbookData terms: colours,
// fills and outlines of shape properties (spPr), text properties (rPr, defRPr, txPr) and text
// bodies (txBody, c:rich). A value that does not have its type's form makes the part damaged;
// an element the file leaves out stays absent.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "document/workbook_data.h"
#include "readers/ooxml/content_budget.h"

namespace k27093::ooxml {

// English metric units in a point: DrawingML's lengths and offsets are in EMU.
inline constexpr double kEmuPerPoint = 12700;

// The part being read, which names every fault, and the workbook's content budget.
class PartScope {
 public:
  PartScope(std::string_view part, ContentBudget& budget) : part_(part), budget_(budget) {}

  std::string_view part() const { return part_; }
  // Counts one more item read from the part, with `textBytes` bytes of text (ContentBudget).
  void Take(std::size_t textBytes) { budget_.Take(part_, textBytes); }
  ContentBudget& budget() { return budget_; }

  // Raises ReadFault Damaged: "the part '<part>' <what>".
  [[noreturn]] void Fail(const std::string& what) const;

  // The attribute (local name, no prefix) as a finite number, a whole number or a Boolean
  // ("1", "true", "0", "false"); nullopt when absent; Damaged when present in another form.
  std::optional<double> Number(pugi::xml_node node, std::string_view attribute) const;
  std::optional<std::int64_t> Integer(pugi::xml_node node, std::string_view attribute) const;
  std::optional<bool> Boolean(pugi::xml_node node, std::string_view attribute) const;

  // The character data of `element` as a finite number; nullopt when the element is absent;
  // Damaged when it holds anything else.
  std::optional<double> NumberText(pugi::xml_node element) const;

  // The "val" of the child element `child` of `parent` (the chart format's way of storing a
  // setting): nullopt (or "") when the child is absent. A Boolean child without "val" is
  // true, as the format says.
  std::string_view Val(pugi::xml_node parent, std::string_view child) const;
  std::optional<bool> FlagVal(pugi::xml_node parent, std::string_view child) const;
  std::optional<double> NumberVal(pugi::xml_node parent, std::string_view child) const;
  std::optional<std::int64_t> IntegerVal(pugi::xml_node parent, std::string_view child) const;

 private:
  std::string_view part_;
  ContentBudget& budget_;
};

// The colour number (R + 256 G + 65536 B) of a colour element whose base is a colour number
// (see color_element.h), its transforms applied; nullopt for a scheme colour, another element,
// or a base not known. Raises Damaged as ColorOf.
std::optional<std::int32_t> RgbColorOf(pugi::xml_node color, const PartScope& scope);

// The fill stated by the shape properties `properties` (spPr): its first fill element;
// nullopt when it states none.
std::optional<document::FillData> FillOf(pugi::xml_node properties, const PartScope& scope);

// The fill that the fill element `element` (a:solidFill, a:gradFill ...) states; nullopt when
// it is no fill element.
std::optional<document::FillData> FillOfElement(pugi::xml_node element, const PartScope& scope);

// The fill of the outline (a:ln) of `properties`; nullopt when it states no outline fill.
std::optional<document::FillData> LineOf(pugi::xml_node properties, const PartScope& scope);

// A shape style's reference (a:fillRef, a:lnRef) with its index (absent: 0) and colour;
// nullopt for an empty node.
std::optional<document::StyleReferenceData> StyleReferenceOf(pugi::xml_node reference,
                                                             const PartScope& scope);

// The font stated by text run properties (a:rPr, a:defRPr, a:endParaRPr); fields the element
// leaves out stay absent, and so do all of them for an empty node.
document::FontData FontOf(pugi::xml_node runProperties, const PartScope& scope);

// The text of a text body (xdr:txBody, c:rich, c:txPr): paragraphs, runs, fields and line
// breaks, paragraphs joined with "\n"; the body's default font is its first paragraph's
// a:defRPr, each run's own properties follow in `runFonts`. Raises Damaged when the text is
// longer than kMaxTextChars or the budget runs out.
document::TextData TextOf(pugi::xml_node textBody, PartScope& scope);

// The default font of a text-properties element (c:txPr): its first paragraph's a:defRPr.
document::FontData DefaultFontOf(pugi::xml_node textProperties, const PartScope& scope);

}  // namespace k27093::ooxml
