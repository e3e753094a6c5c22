// How large a tree the XML parser may build for one part, checked on the part's bytes before
// it builds it (markup_scanner.h counts its elements, attributes and texts), so that a small
// part of dense markup (a million empty elements in a few megabytes) cannot cost gigabytes:
// every element or text costs the parser some 64 bytes and every attribute some 40, whatever
// their length in the part. The depth of elements is bounded too: the readers walk their trees
// without recursion (a drawing's groups nested 100,000 deep are read), so the bound only keeps
// what a walker may meet within a known range.
#pragma once

#include <cstddef>
#include <string_view>

namespace k27093::ooxml {

// Most elements, attributes and texts (character data, CDATA sections) one parsed tree holds:
// about 128 MiB of tree. The parts that may be larger (the cells of a sheet, the shared
// strings) are read a slice at a time (xml_slices.h).
inline constexpr std::size_t kMaxTreeNodes = 2'000'000;
// Deepest nesting of elements, the root being at depth 1.
inline constexpr std::size_t kMaxElementDepth = 1'000'000;

struct TreeBounds {
  std::size_t nodes = kMaxTreeNodes;
  std::size_t depth = kMaxElementDepth;
};

// What the parser would build from the bytes of a part.
struct TreeCensus {
  std::size_t nodes = 0;  // elements, attributes, texts
  std::size_t depth = 0;  // deepest nesting of elements
};

// Counts the markup of `bytes` up to its end, or up to where the scanner cannot follow it (the
// parser then refuses the part there). Raises ReadFault Damaged, naming `partName`, once the
// count passes `bounds` ("holds more than N elements, attributes and texts", "nests its
// elements more than N deep") or at a document type declaration (FailDocumentType).
TreeCensus CheckTreeBounds(std::string_view bytes, std::string_view partName,
                           const TreeBounds& bounds = {});

// Raises ReadFault Damaged: the part `partName` declares a document type, which no workbook
// part has (and which could declare entities).
[[noreturn]] void FailDocumentType(std::string_view partName);

}  // namespace k27093::ooxml
