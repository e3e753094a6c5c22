// Safe XML access to the parts of a package: parsing with options that expand nothing beyond
// the five predefined entities and character references, refusal of any document type
// declaration, element look-up by local name (prefixes ignored), and the text of rich-text
// elements with the package format's _xHHHH_ escapes decoded.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "readers/ooxml/package.h"

namespace k27093::ooxml {

// Longest text (in characters) that one cell, shared string or comment may hold.
inline constexpr std::size_t kMaxTextChars = 10 * 1024 * 1024;

// Parses the part `partName` of `package`. Raises ReadFault Damaged when the part is
// missing, holds what XML does not allow (bytes that are not UTF-8, characters outside XML's
// ranges, also through character references: see xml_characters.h), is not well-formed (the
// reason names the part, pugixml's description and the byte offset), declares a DOCTYPE, would
// build a tree past the bounds of markup_bounds.h, or has no root element whose local name is
// `rootLocalName`.
pugi::xml_document ParseXmlPart(Package& package, std::string_view partName,
                                std::string_view rootLocalName);

// The same on bytes already read; `partName` names them in the fault.
pugi::xml_document ParseXmlBytes(std::string_view bytes, std::string_view partName,
                                 std::string_view rootLocalName);

// The name of an element or attribute without its namespace prefix ("x:row" -> "row").
std::string_view LocalName(std::string_view qualifiedName);

// The first child element of `parent` whose local name is `localName`; an empty node when
// there is none.
pugi::xml_node ChildNamed(pugi::xml_node parent, std::string_view localName);

// The child elements of `parent` whose local name is `localName`, in order, including those
// that markup-compatibility wrappers (mc:AlternateContent) hold: of a wrapper, the content of
// its first mc:Choice is taken, else that of its mc:Fallback.
std::vector<pugi::xml_node> ChildrenUnwrapped(pugi::xml_node parent, std::string_view localName);

// The element itself, or for a markup-compatibility wrapper the elements of its chosen
// content (see ChildrenUnwrapped), in order.
std::vector<pugi::xml_node> Unwrapped(pugi::xml_node element);

// The value of the attribute whose local name is `localName` and that has no prefix; an
// empty attribute when absent.
pugi::xml_attribute PlainAttribute(pugi::xml_node node, std::string_view localName);

// The value of the first prefixed attribute whose local name is `localName` ("r:embed" for
// "embed", whatever the prefix); empty when absent.
std::string PrefixedAttributeValue(pugi::xml_node node, std::string_view localName);

// The value of the relationship-id attribute ("r:id", whatever its prefix); empty when absent.
inline std::string RelationshipIdOf(pugi::xml_node node) {
  return PrefixedAttributeValue(node, "id");
}

// Decodes the _xHHHH_ escapes that the package format uses for characters XML cannot carry
// ("_x000D_" is a carriage return, "_x005F_" an underscore). Other text is kept as is.
std::string DecodeEscapes(std::string_view text);

// The plain text of a rich-text element (a shared string, an inline string, a comment's
// text): its own <t> and the <t> of every run, joined in order; phonetic runs are left out.
// Raises ReadFault Damaged when the text passes kMaxTextChars; `partName` names the part.
std::string PlainText(pugi::xml_node richText, std::string_view partName);

// The character data of one element (a cell's <v>, a <t>), _xHHHH_ escapes decoded; bounded
// as PlainText is.
std::string ElementText(pugi::xml_node element, std::string_view partName);

}  // namespace k27093::ooxml
