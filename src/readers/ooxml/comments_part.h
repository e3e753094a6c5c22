// The comments part of a worksheet (xl/commentsN.xml in files Excel writes): each comment's
// cell, its author from the part's list of authors, and its whole plain text.
#pragma once

#include <string_view>
#include <vector>

#include "document/workbook_data.h"
#include "readers/ooxml/content_budget.h"
#include "readers/ooxml/package.h"

namespace k27093::ooxml {

// The comments of the part `part`, in file order. A comment whose author id is missing or
// unknown has an empty author. Raises ReadFault Damaged when the part is missing or not
// well-formed, a comment's cell is not valid, a text is too long, or `budget` runs out.
std::vector<document::CommentData> ReadComments(Package& package, std::string_view part,
                                                ContentBudget& budget);

}  // namespace k27093::ooxml
