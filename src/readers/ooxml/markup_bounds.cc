#include "readers/ooxml/markup_bounds.h"

#include <string>

#include "document/read_fault.h"
#include "readers/ooxml/markup_scanner.h"

namespace k27093::ooxml {
namespace {

bool IsWhiteSpace(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

class Census {
 public:
  Census(std::string_view partName, const TreeBounds& bounds)
      : partName_(partName), bounds_(bounds) {}

  void Count(std::size_t nodes) {
    census_.nodes += nodes;
    if (census_.nodes > bounds_.nodes) {
      document::FailDamaged("the part " + document::Quoted(partName_) + " holds more than " +
                            std::to_string(bounds_.nodes) + " elements, attributes and texts");
    }
  }

  void Enter() {
    if (++depth_ > bounds_.depth) {
      document::FailDamaged("the part " + document::Quoted(partName_) +
                            " nests its elements more than " + std::to_string(bounds_.depth) +
                            " deep");
    }
    if (depth_ > census_.depth) census_.depth = depth_;
  }

  void Leave() {
    if (depth_ > 0) --depth_;
  }

  const TreeCensus& result() const { return census_; }

 private:
  std::string_view partName_;
  TreeBounds bounds_;
  TreeCensus census_;
  std::size_t depth_ = 0;
};

}  // namespace

TreeCensus CheckTreeBounds(std::string_view bytes, std::string_view partName,
                           const TreeBounds& bounds) {
  Census census(partName, bounds);
  MarkupScanner scanner(bytes);
  // A text of white space only is kept by the parser when it is an element's only content.
  std::size_t pendingSpace = 0;
  for (MarkupToken token = scanner.Next();; token = scanner.Next()) {
    const bool closes = token.kind == MarkupToken::Kind::EndTag;
    if (closes) census.Count(pendingSpace);
    pendingSpace = 0;
    switch (token.kind) {
      case MarkupToken::Kind::StartTag:
        census.Enter();
        census.Count(1 + token.attributes);
        break;
      case MarkupToken::Kind::EmptyTag:
        census.Enter();
        census.Count(1 + token.attributes);
        census.Leave();
        break;
      case MarkupToken::Kind::EndTag:
        census.Leave();
        break;
      case MarkupToken::Kind::Text:
        if (!IsWhiteSpace(bytes.substr(token.begin, token.end - token.begin))) {
          census.Count(1);
        } else {
          pendingSpace = 1;
        }
        break;
      case MarkupToken::Kind::CData:
        census.Count(1);
        break;
      case MarkupToken::Kind::DocumentType:
        FailDocumentType(partName);
      case MarkupToken::Kind::End:
      case MarkupToken::Kind::Unreadable:
        return census.result();
    }
  }
}

void FailDocumentType(std::string_view partName) {
  document::FailDamaged("the part " + document::Quoted(partName) +
                        " declares a document type (DOCTYPE), which a workbook part never has");
}

}  // namespace k27093::ooxml
