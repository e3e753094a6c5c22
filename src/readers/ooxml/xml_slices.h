// SlicedXmlPart: a part whose bulk is the children of one element (the rows of a sheet's
// <sheetData>, the items of the shared-string table), read a slice of children at a time, so
// that the parser's tree never holds more than one slice: a part of tens of megabytes costs
// its bytes and a few megabytes of tree, not the tree of the whole part. The part is cut
// between two children of that element (markup_scanner.h finds where); each slice is parsed
// inside the part's own root and container start tags (so its namespaces are those of the
// whole part), and the rest of the part, without those children, is parsed once as its
// outline. A part that cannot be cut (the scanner cannot follow it, the container is missing)
// is parsed whole; a slice or outline that fails to parse makes the whole part parse, so that
// its fault is the one the whole part gives (ParseXmlBytes).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace k27093::ooxml {

// Elements, attributes and texts after which a slice ends at the next child of the container.
inline constexpr std::size_t kSliceNodes = 64 * 1024;

class SlicedXmlPart {
 public:
  // Reads the part `partName` of the `bytes` (which must outlive the object), whose root's local
  // name is `rootLocalName`, cut among the children of its root's first child whose local name
  // is `containerLocalName` ("" for the root itself). Raises as ParseXmlBytes for the outline:
  // the part is missing, not well-formed, passes the tree bounds, has another root.
  SlicedXmlPart(std::string_view bytes, std::string_view partName, std::string_view rootLocalName,
                std::string_view containerLocalName, std::size_t sliceNodes = kSliceNodes);

  // The part without the container's children (the whole part when it was not cut); alive as
  // long as this object.
  pugi::xml_node root() const { return outline_.document_element(); }

  // Calls `visit` with every child node of the container (elements, texts), in order, each
  // slice parsed once and released before the next. Raises as ParseXmlBytes for the whole part
  // when a slice does not parse; what `visit` raises goes through.
  void ForEachChild(const std::function<void(pugi::xml_node)>& visit) const;

  // How many slices the children were read in (0 when the part was not cut).
  std::size_t slices() const { return cuts_.empty() ? 0 : cuts_.size() - 1; }

 private:
  pugi::xml_node ContainerOf(pugi::xml_node root) const;
  // `piece` of the part parsed; when it does not parse, the whole part is, for its fault.
  pugi::xml_document ParsePiece(std::string_view piece) const;

  std::string_view bytes_;
  std::string partName_;
  std::string rootLocalName_;
  std::string containerLocalName_;
  // The text every slice is parsed between: the XML declaration and the start tags of the root
  // and the container; and the end tags that close them.
  std::string sliceHead_;
  std::string sliceTail_;
  std::vector<std::size_t> cuts_;  // offsets of the container's content: its start, cuts, end
  pugi::xml_document outline_;
};

}  // namespace k27093::ooxml
