#include "readers/ooxml/xml_slices.h"

#include "document/read_fault.h"
#include "readers/ooxml/markup_scanner.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

// Longest text of start tags that every slice repeats; a part whose root or container start
// tag is longer is parsed whole.
constexpr std::size_t kMaxSliceHead = 64 * 1024;

// The XML declaration at the start of `bytes` (after a byte-order mark), which states the
// encoding every slice must be read in; "" when there is none.
std::string_view DeclarationOf(std::string_view bytes) {
  const std::size_t start = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  if (!bytes.substr(start).starts_with("<?xml")) return {};
  const std::size_t close = bytes.find("?>", start);
  return close == std::string_view::npos ? std::string_view() : bytes.substr(0, close + 2);
}

bool IsTag(const MarkupToken& token) {
  return token.kind == MarkupToken::Kind::StartTag || token.kind == MarkupToken::Kind::EmptyTag ||
         token.kind == MarkupToken::Kind::EndTag;
}

// Where the part can be cut: its root's and container's start tags and the offsets of the
// container's content, from its start to its end through the cuts between children.
struct Cutting {
  MarkupToken root;
  MarkupToken container;
  std::vector<std::size_t> cuts;
};

// The start tag of the first child of the root named `localName`, the scanner past it; a
// token that is not a start tag when there is none (or it is empty, or the scan stops).
MarkupToken FindContainer(MarkupScanner& scanner, std::string_view localName) {
  std::size_t depth = 0;
  for (MarkupToken token = scanner.Next();; token = scanner.Next()) {
    if (!IsTag(token) && token.kind != MarkupToken::Kind::Text &&
        token.kind != MarkupToken::Kind::CData) {
      return token;
    }
    if (depth == 0 && IsTag(token) && token.kind != MarkupToken::Kind::EndTag &&
        LocalName(token.name) == localName) {
      return token;
    }
    if (token.kind == MarkupToken::Kind::StartTag) ++depth;
    if (token.kind == MarkupToken::Kind::EndTag) {
      if (depth == 0) return MarkupToken{MarkupToken::Kind::End, token.begin, token.end, {}, 0};
      --depth;
    }
  }
}

// Cuts the container's content after a child once `sliceNodes` nodes have come since the last
// cut; false when its end cannot be found.
bool CutContent(MarkupScanner& scanner, std::size_t sliceNodes, Cutting& cutting) {
  cutting.cuts = {cutting.container.end};
  std::size_t depth = 0;
  std::size_t nodes = 0;
  for (MarkupToken token = scanner.Next();; token = scanner.Next()) {
    switch (token.kind) {
      case MarkupToken::Kind::StartTag:
        ++depth;
        nodes += 1 + token.attributes;
        break;
      case MarkupToken::Kind::EmptyTag:
        nodes += 1 + token.attributes;
        break;
      case MarkupToken::Kind::EndTag:
        if (depth == 0) {
          if (cutting.cuts.back() != token.begin) cutting.cuts.push_back(token.begin);
          return true;
        }
        --depth;
        break;
      case MarkupToken::Kind::Text:
      case MarkupToken::Kind::CData:
        ++nodes;
        break;
      default:
        return false;
    }
    if (depth == 0 && nodes >= sliceNodes) {
      cutting.cuts.push_back(token.end);
      nodes = 0;
    }
  }
}

// How the part can be cut; no cuts when it cannot.
Cutting CuttingOf(std::string_view bytes, std::string_view containerLocalName,
                  std::size_t sliceNodes) {
  Cutting cutting;
  MarkupScanner scanner(bytes);
  MarkupToken token = scanner.Next();
  while (token.kind == MarkupToken::Kind::Text) token = scanner.Next();
  if (token.kind != MarkupToken::Kind::StartTag) return cutting;
  cutting.root = token;
  cutting.container =
      containerLocalName.empty() ? token : FindContainer(scanner, containerLocalName);
  if (cutting.container.kind != MarkupToken::Kind::StartTag) return cutting;
  if (!CutContent(scanner, sliceNodes, cutting)) cutting.cuts.clear();
  return cutting;
}

}  // namespace

SlicedXmlPart::SlicedXmlPart(std::string_view bytes, std::string_view partName,
                             std::string_view rootLocalName, std::string_view containerLocalName,
                             std::size_t sliceNodes)
    : bytes_(bytes),
      partName_(partName),
      rootLocalName_(rootLocalName),
      containerLocalName_(containerLocalName) {
  Cutting cutting = CuttingOf(bytes, containerLocalName, sliceNodes);
  if (!cutting.cuts.empty()) {
    sliceHead_ = DeclarationOf(bytes);
    sliceHead_ += bytes.substr(cutting.root.begin, cutting.root.end - cutting.root.begin);
    if (!containerLocalName.empty()) {
      sliceHead_ +=
          bytes.substr(cutting.container.begin, cutting.container.end - cutting.container.begin);
      sliceTail_ = "</" + std::string(cutting.container.name) + ">";
    }
    sliceTail_ += "</" + std::string(cutting.root.name) + ">";
    if (sliceHead_.size() <= kMaxSliceHead) cuts_ = std::move(cutting.cuts);
  }
  if (cuts_.empty()) {
    outline_ = ParseXmlBytes(bytes, partName, rootLocalName);
    return;
  }
  std::string outline(bytes.substr(0, cuts_.front()));
  outline += bytes.substr(cuts_.back());
  outline_ = ParsePiece(outline);
}

pugi::xml_document SlicedXmlPart::ParsePiece(std::string_view piece) const {
  try {
    return ParseXmlBytes(piece, partName_, rootLocalName_);
  } catch (const document::ReadFault&) {
    // The whole part says where it is broken, at its own offsets.
    ParseXmlBytes(bytes_, partName_, rootLocalName_);
    throw;
  }
}

pugi::xml_node SlicedXmlPart::ContainerOf(pugi::xml_node root) const {
  return containerLocalName_.empty() ? root : ChildNamed(root, containerLocalName_);
}

void SlicedXmlPart::ForEachChild(const std::function<void(pugi::xml_node)>& visit) const {
  if (cuts_.empty()) {
    for (pugi::xml_node child : ContainerOf(root()).children()) visit(child);
    return;
  }
  for (std::size_t slice = 0; slice + 1 < cuts_.size(); ++slice) {
    std::string text = sliceHead_;
    text += bytes_.substr(cuts_[slice], cuts_[slice + 1] - cuts_[slice]);
    text += sliceTail_;
    const pugi::xml_document document = ParsePiece(text);
    text = std::string();
    for (pugi::xml_node child : ContainerOf(document.document_element()).children()) visit(child);
  }
}

}  // namespace k27093::ooxml
