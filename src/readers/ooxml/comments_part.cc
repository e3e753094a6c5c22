#include "readers/ooxml/comments_part.h"

#include <charconv>
#include <string>

#include "readers/ooxml/cell_reference.h"
#include "document/read_fault.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

std::string AuthorOf(const std::vector<std::string>& authors, std::string_view id) {
  std::size_t index = 0;
  const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), index);
  if (id.empty() || error != std::errc() || end != id.data() + id.size() ||
      index >= authors.size()) {
    return std::string();
  }
  return authors[index];
}

}  // namespace

std::vector<document::CommentData> ReadComments(Package& package, std::string_view part,
                                                ContentBudget& budget) {
  const pugi::xml_document document = ParseXmlPart(package, part, "comments");
  const pugi::xml_node root = document.document_element();

  std::vector<std::string> authors;
  for (pugi::xml_node author : ChildNamed(root, "authors").children()) {
    if (author.type() == pugi::node_element && LocalName(author.name()) == "author") {
      authors.push_back(ElementText(author, part));
      budget.Take(part, authors.back().size());
    }
  }

  std::vector<document::CommentData> comments;
  for (pugi::xml_node comment : ChildNamed(root, "commentList").children()) {
    if (comment.type() != pugi::node_element || LocalName(comment.name()) != "comment") continue;
    // The comment belongs to the top-left cell of its reference ("B2", or "B2:C3").
    const std::string_view reference = PlainAttribute(comment, "ref").value();
    const std::optional<CellPosition> cell =
        ParseCellReference(reference.substr(0, reference.find(':')));
    if (!cell) {
      document::FailDamaged("a comment of the part '" + std::string(part) + "' is attached to '" +
                  std::string(reference) + "', which is not a cell of the sheet");
    }
    document::CommentData data;
    data.row = cell->row;
    data.column = cell->column;
    data.author = AuthorOf(authors, PlainAttribute(comment, "authorId").value());
    data.text = PlainText(ChildNamed(comment, "text"), part);
    budget.Take(part, data.author.size() + data.text.size());
    comments.push_back(std::move(data));
  }
  return comments;
}

}  // namespace k27093::ooxml
