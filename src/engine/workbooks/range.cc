#include "engine/workbooks/range.h"

#include <cstdlib>

#include "api/error.h"
#include "engine/objects/shared_from.h"
#include "engine/workbooks/worksheet.h"

namespace k27093::engine {

namespace {

// A value as a cell stores it: numbers as Double, number-like texts as numbers.
Variant CellValueOf(const Variant& value) {
  switch (value.type()) {
    case Variant::Type::Long:
      return Variant(static_cast<double>(value.AsLong()));
    case Variant::Type::Text: {
      const std::string& text = value.AsText();
      if (text.empty() || text.front() == ' ' || text.back() == ' ') return value;
      char* end = nullptr;
      double number = std::strtod(text.c_str(), &end);
      bool plainNumber = end == text.c_str() + text.size() &&
                         text.find_first_not_of("0123456789.-+eE") == std::string::npos;
      return plainNumber ? Variant(number) : value;
    }
    case Variant::Type::Null:
      return Variant();
    case Variant::Type::Object:
      Raise(errors::kTypeMismatch);
    default:
      return value;
  }
}

}  // namespace

RangeImpl::RangeImpl(std::shared_ptr<Session> session, std::shared_ptr<WorksheetImpl> sheet,
                     CellRange range)
    : Node(std::move(session), sheet->presence()), sheet_(std::move(sheet)), range_(range) {}

std::string RangeImpl::Address() {
  Enter();
  return AbsoluteAddress(range_);
}

Variant RangeImpl::Value() {
  Enter();
  if (range_.IsSingleCell()) return sheet_->CellValue(range_.firstRow, range_.firstColumn);
  VariantArray values;
  values.lower = 1;
  for (auto row = range_.firstRow; row <= range_.lastRow; ++row) {
    for (auto column = range_.firstColumn; column <= range_.lastColumn; ++column) {
      values.items.push_back(sheet_->CellValue(row, column));
    }
  }
  return Variant(std::move(values));
}

void RangeImpl::SetValue(const Variant& value) {
  Enter();
  sheet_->protection()->CheckChangeable();
  std::size_t next = 0;
  for (auto row = range_.firstRow; row <= range_.lastRow; ++row) {
    for (auto column = range_.firstColumn; column <= range_.lastColumn; ++column) {
      Variant cell = value;
      if (value.IsArray()) {
        const auto& items = value.AsArray().items;
        cell = next < items.size() ? items[next] : Variant("#N/A");
        ++next;
      }
      sheet_->StoreCellValue(row, column, CellValueOf(cell));
    }
  }
}

std::string RangeImpl::NoteText() {
  Enter();
  const CellComment* comment = sheet_->CommentAt(range_.firstRow, range_.firstColumn);
  return comment ? comment->text : std::string();
}

void RangeImpl::SetNoteText(std::string_view text) {
  Enter();
  sheet_->protection()->CheckChangeable();
  const CellComment* comment = sheet_->CommentAt(range_.firstRow, range_.firstColumn);
  if (!comment && text.empty()) return;
  CellComment updated = comment ? *comment : CellComment{};
  updated.text = text;
  sheet_->StoreComment(range_.firstRow, range_.firstColumn, std::move(updated));
}

void RangeImpl::ClearComments() {
  Enter();
  sheet_->protection()->CheckChangeable();
  for (auto row = range_.firstRow; row <= range_.lastRow; ++row) {
    for (auto column = range_.firstColumn; column <= range_.lastColumn; ++column) {
      sheet_->RemoveComment(row, column);
    }
  }
}

Variant RangeImpl::Name() {
  Enter();
  RaiseUnableToGet("Name", "Range");
}

void RangeImpl::Select() {
  Enter();
  if (!sheet_->IsActiveSheet()) RaiseMethodFailed("Select", "Range");
  sheet_->SetSelectedRange(range_);
  session()->Select(SharedFrom(*this), presence());
  session()->SetActivatedChart(nullptr);
}

}  // namespace k27093::engine
