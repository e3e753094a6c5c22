#include "readers/ooxml/xml_part.h"

#include <cstdint>

#include "document/read_fault.h"
#include "readers/ooxml/markup_bounds.h"
#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/xml_characters.h"
#include "readers/ooxml/xml_namespaces.h"

namespace k27093::ooxml {
namespace {

// pugixml's defaults (character references and the predefined entities only: pugixml never
// expands declared entities) plus: keep a text that is only white space (a cell holding " "),
// and keep a DOCTYPE in the tree so that it can be refused.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_ws_pcdata_single | pugi::parse_doctype;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The UTF-16 unit of an escape "_xHHHH_" at the start of `text`, or -1.
std::int32_t EscapeAt(std::string_view text) {
  if (text.size() < 7 || text[0] != '_' || (text[1] != 'x' && text[1] != 'X') || text[6] != '_') {
    return -1;
  }
  std::int32_t unit = 0;
  for (std::size_t i = 2; i < 6; ++i) {
    const int digit = HexValue(text[i]);
    if (digit < 0) return -1;
    unit = unit * 16 + digit;
  }
  return unit;
}

void AppendCodePoint(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::size_t CodePointCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

// Joins the pieces of one text and refuses it once it passes kMaxTextChars.
class BoundedText {
 public:
  explicit BoundedText(std::string_view partName) : partName_(partName) {}

  void Append(std::string_view piece) {
    chars_ += CodePointCount(piece);
    if (chars_ > kMaxTextChars) {
      document::FailDamaged("a text of the part " + Quoted(partName_) + " is longer than " +
                            std::to_string(kMaxTextChars) + " characters");
    }
    text_ += piece;
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string_view partName_;
  std::string text_;
  std::size_t chars_ = 0;
};

// The character data of an element: its text and CDATA children joined.
void AppendElementText(BoundedText& out, pugi::xml_node element) {
  for (pugi::xml_node child : element.children()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      out.Append(DecodeEscapes(child.value()));
    }
  }
}

}  // namespace

pugi::xml_document ParseXmlBytes(std::string_view bytes, std::string_view partName,
                                 std::string_view rootLocalName) {
  if (const std::optional<CharacterFault> fault = FirstCharacterFault(bytes)) {
    document::FailDamaged("the part " + Quoted(partName) + " holds " + fault->what +
                          ", which XML does not allow, at offset " + std::to_string(fault->offset));
  }
  CheckTreeBounds(bytes, partName);
  pugi::xml_document document;
  const pugi::xml_parse_result result =
      document.load_buffer(bytes.data(), bytes.size(), kParseOptions, pugi::encoding_auto);
  if (!result) {
    document::FailDamaged("the part " + Quoted(partName) + " is not well-formed XML (" +
                          result.description() + " at offset " + std::to_string(result.offset) +
                          ")");
  }
  for (pugi::xml_node node : document.children()) {
    if (node.type() == pugi::node_doctype) FailDocumentType(partName);
  }
  const pugi::xml_node root = document.document_element();
  if (!root || LocalName(root.name()) != rootLocalName) {
    document::FailDamaged("the part " + Quoted(partName) + " has no <" +
                          std::string(rootLocalName) + "> root element");
  }
  KeepOwnNamespaces(document, partName);
  return document;
}

pugi::xml_document ParseXmlPart(Package& package, std::string_view partName,
                                std::string_view rootLocalName) {
  const std::string bytes = package.Read(partName);
  return ParseXmlBytes(bytes, partName, rootLocalName);
}

std::string_view LocalName(std::string_view qualifiedName) {
  const std::size_t colon = qualifiedName.find(':');
  return colon == std::string_view::npos ? qualifiedName : qualifiedName.substr(colon + 1);
}

pugi::xml_node ChildNamed(pugi::xml_node parent, std::string_view localName) {
  for (pugi::xml_node child : parent.children()) {
    if (child.type() == pugi::node_element && LocalName(child.name()) == localName) return child;
  }
  return pugi::xml_node();
}

std::vector<pugi::xml_node> Unwrapped(pugi::xml_node element) {
  if (LocalName(element.name()) != "AlternateContent") return {element};
  pugi::xml_node chosen = ChildNamed(element, "Choice");
  if (!chosen) chosen = ChildNamed(element, "Fallback");
  std::vector<pugi::xml_node> content;
  for (pugi::xml_node child : chosen.children()) {
    // A wrapper directly inside a wrapper's content is not looked into again.
    if (child.type() == pugi::node_element && LocalName(child.name()) != "AlternateContent") {
      content.push_back(child);
    }
  }
  return content;
}

std::vector<pugi::xml_node> ChildrenUnwrapped(pugi::xml_node parent, std::string_view localName) {
  std::vector<pugi::xml_node> found;
  for (pugi::xml_node child : parent.children()) {
    if (child.type() != pugi::node_element) continue;
    for (pugi::xml_node element : Unwrapped(child)) {
      if (LocalName(element.name()) == localName) found.push_back(element);
    }
  }
  return found;
}

pugi::xml_attribute PlainAttribute(pugi::xml_node node, std::string_view localName) {
  for (pugi::xml_attribute attribute : node.attributes()) {
    if (std::string_view(attribute.name()) == localName) return attribute;
  }
  return pugi::xml_attribute();
}

std::string PrefixedAttributeValue(pugi::xml_node node, std::string_view localName) {
  for (pugi::xml_attribute attribute : node.attributes()) {
    const std::string_view name = attribute.name();
    if (name.find(':') != std::string_view::npos && LocalName(name) == localName) {
      return attribute.value();
    }
  }
  return std::string();
}

std::string DecodeEscapes(std::string_view text) {
  if (text.find('_') == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::int32_t unit = EscapeAt(text.substr(i));
    if (unit < 0) {
      out += text[i++];
      continue;
    }
    i += 7;
    std::uint32_t code = static_cast<std::uint32_t>(unit);
    if (code >= 0xD800 && code <= 0xDBFF) {
      const std::int32_t low = EscapeAt(text.substr(i));
      if (low >= 0xDC00 && low <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<std::uint32_t>(low) - 0xDC00);
        i += 7;
      } else {
        code = 0xFFFD;
      }
    } else if (code >= 0xDC00 && code <= 0xDFFF) {
      code = 0xFFFD;
    }
    AppendCodePoint(out, code);
  }
  return out;
}

std::string PlainText(pugi::xml_node richText, std::string_view partName) {
  BoundedText text(partName);
  for (pugi::xml_node child : richText.children()) {
    if (child.type() != pugi::node_element) continue;
    const std::string_view name = LocalName(child.name());
    if (name == "t") {
      AppendElementText(text, child);
    } else if (name == "r") {
      for (pugi::xml_node piece : child.children()) {
        if (piece.type() == pugi::node_element && LocalName(piece.name()) == "t") {
          AppendElementText(text, piece);
        }
      }
    }
  }
  return text.Take();
}

std::string ElementText(pugi::xml_node element, std::string_view partName) {
  BoundedText text(partName);
  AppendElementText(text, element);
  return text.Take();
}

}  // namespace k27093::ooxml
