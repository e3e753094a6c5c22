#include "engine/charts/series_formula.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cstdlib>

#include "api/text.h"

namespace k27093::engine {

namespace {

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// "A1", "iv65536": letters then digits, as a cell address reads.
bool ReadsLikeA1(std::string_view name) {
  std::size_t letters = 0;
  while (letters < name.size() && IsAsciiLetter(name[letters])) ++letters;
  if (letters == 0 || letters > 3 || letters == name.size()) return false;
  for (std::size_t at = letters; at < name.size(); ++at) {
    if (!IsAsciiDigit(name[at])) return false;
  }
  return true;
}

// "R", "C", "R1C1", "rc2": an address in the R1C1 style.
bool ReadsLikeR1C1(std::string_view name) {
  std::size_t at = 0;
  auto digits = [&] {
    while (at < name.size() && IsAsciiDigit(name[at])) ++at;
  };
  bool any = false;
  if (at < name.size() && (name[at] == 'R' || name[at] == 'r')) {
    ++at;
    digits();
    any = true;
  }
  if (at < name.size() && (name[at] == 'C' || name[at] == 'c')) {
    ++at;
    digits();
    any = true;
  }
  return any && at == name.size();
}

// True when every character is a letter (any script), a digit, "_" or ".".
bool HasOnlyNameCharacters(std::string_view name) {
  std::int32_t at = 0;
  const auto length = static_cast<std::int32_t>(name.size());
  while (at < length) {
    UChar32 c;
    U8_NEXT(reinterpret_cast<const std::uint8_t*>(name.data()), at, length, c);
    if (c < 0) return false;
    bool plain = u_isalpha(c) || (c >= '0' && c <= '9') || c == '_' || c == '.';
    if (!plain) return false;
  }
  return true;
}

std::string Quoted(std::string_view text, char quote) {
  std::string result(1, quote);
  for (char c : text) {
    result += c;
    if (c == quote) result += quote;
  }
  result += quote;
  return result;
}

std::string FormatArrayItem(const Variant& item) {
  if (item.IsText()) return Quoted(item.AsText(), '"');
  if (item.type() == Variant::Type::Boolean) return item.AsBoolean() ? "TRUE" : "FALSE";
  return ToText(item);
}

std::string FormatArgument(const FormulaArgument& argument) {
  switch (argument.kind) {
    case FormulaArgument::Kind::Empty:
      return "";
    case FormulaArgument::Kind::Text:
      return Quoted(argument.text, '"');
    case FormulaArgument::Kind::Array: {
      std::string text = "{";
      for (std::size_t i = 0; i < argument.items.size(); ++i) {
        if (i > 0) text += ',';
        text += FormatArrayItem(argument.items[i]);
      }
      return text + "}";
    }
    case FormulaArgument::Kind::Broken:
      return argument.text;
    case FormulaArgument::Kind::Reference: {
      std::string text = argument.sheet.empty() ? "" : QuoteSheetName(argument.sheet) + "!";
      return text + AbsoluteAddress(argument.range);
    }
  }
  return "";
}

// A recursive-descent reader of the formula text.
class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::optional<SeriesFormula> Formula() {
    SkipSpaces();
    if (!ConsumeWord("=SERIES(")) return std::nullopt;
    SeriesFormula formula;
    auto name = Argument();
    if (!name || name->kind == FormulaArgument::Kind::Array || !Consume(',')) return std::nullopt;
    auto categories = Argument();
    if (!categories || !Consume(',')) return std::nullopt;
    auto values = Argument();
    if (!values || !Consume(',')) return std::nullopt;
    auto order = Order();
    if (!order || !Consume(')')) return std::nullopt;
    SkipSpaces();
    if (at_ != text_.size()) return std::nullopt;
    formula.name = std::move(*name);
    formula.categories = std::move(*categories);
    formula.values = std::move(*values);
    formula.order = *order;
    return formula;
  }

  std::optional<FormulaArgument> LoneArgument() {
    auto argument = Argument();
    SkipSpaces();
    if (!argument || at_ != text_.size()) return std::nullopt;
    return argument;
  }

 private:
  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  void SkipSpaces() {
    while (Peek() == ' ') ++at_;
  }
  bool Consume(char c) {
    SkipSpaces();
    if (Peek() != c) return false;
    ++at_;
    return true;
  }
  bool ConsumeWord(std::string_view word) {
    if (AsciiLower(text_.substr(at_, word.size())) != AsciiLower(word)) return false;
    at_ += word.size();
    return true;
  }

  // Text between `quote` characters, a doubled quote standing for one.
  std::optional<std::string> QuotedText(char quote) {
    if (Peek() != quote) return std::nullopt;
    ++at_;
    std::string text;
    while (at_ < text_.size()) {
      char c = text_[at_++];
      if (c != quote) {
        text += c;
      } else if (Peek() == quote) {
        text += quote;
        ++at_;
      } else {
        return text;
      }
    }
    return std::nullopt;
  }

  std::optional<FormulaArgument> Argument() {
    SkipSpaces();
    FormulaArgument argument;
    char c = Peek();
    if (c == ',' || c == ')') return argument;
    if (c == '"') {
      auto text = QuotedText('"');
      if (!text) return std::nullopt;
      argument.kind = FormulaArgument::Kind::Text;
      argument.text = std::move(*text);
      SkipSpaces();
      return argument;
    }
    if (c == '{') return Array();
    return Reference();
  }

  std::optional<Variant> ArrayItem() {
    SkipSpaces();
    if (Peek() == '"') {
      auto text = QuotedText('"');
      if (!text) return std::nullopt;
      return Variant(std::move(*text));
    }
    std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != ';' && text_[at_] != '}') {
      ++at_;
    }
    std::string token = Trim(text_.substr(start, at_ - start));
    std::string upper = UpperCase(token);
    if (upper == "TRUE" || upper == "FALSE") return Variant(upper == "TRUE");
    if (token.empty()) return std::nullopt;
    char* end = nullptr;
    double number = std::strtod(token.c_str(), &end);
    if (end != token.c_str() + token.size()) return std::nullopt;
    return Variant(number);
  }

  std::optional<FormulaArgument> Array() {
    ++at_;  // '{'
    FormulaArgument argument;
    argument.kind = FormulaArgument::Kind::Array;
    while (true) {
      auto item = ArrayItem();
      if (!item) return std::nullopt;
      argument.items.push_back(std::move(*item));
      SkipSpaces();
      char c = Peek();
      ++at_;
      if (c == '}') break;
      if (c != ',' && c != ';') return std::nullopt;
    }
    SkipSpaces();
    return argument;
  }

  std::optional<FormulaArgument> Reference() {
    FormulaArgument argument;
    argument.kind = FormulaArgument::Kind::Reference;
    if (Peek() == '\'') {
      auto sheet = QuotedText('\'');
      if (!sheet || sheet->empty() || Peek() != '!') return std::nullopt;
      ++at_;
      argument.sheet = std::move(*sheet);
    }
    std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != ')') ++at_;
    std::string token = Trim(text_.substr(start, at_ - start));
    auto bang = token.rfind('!');
    if (bang != std::string::npos) {
      if (!argument.sheet.empty() || bang == 0) return std::nullopt;
      argument.sheet = token.substr(0, bang);
      token = token.substr(bang + 1);
    }
    if (argument.sheet.find_first_of("[]") != std::string::npos) return std::nullopt;
    auto range = ParseCellRange(token);
    if (!range) return std::nullopt;
    argument.range = *range;
    return argument;
  }

  std::optional<std::int32_t> Order() {
    SkipSpaces();
    std::int64_t order = 0;
    std::size_t digits = 0;
    while (IsAsciiDigit(Peek()) && digits < 9) {
      order = order * 10 + (Peek() - '0');
      ++at_;
      ++digits;
    }
    if (digits == 0 || order < 1) return std::nullopt;
    return static_cast<std::int32_t>(order);
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

bool FormulaArgument::operator==(const FormulaArgument& other) const {
  if (kind != other.kind || text != other.text || sheet != other.sheet) return false;
  if (kind == Kind::Reference && !(range == other.range)) return false;
  if (items.size() != other.items.size()) return false;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].type() != other.items[i].type() || ToText(items[i]) != ToText(other.items[i])) {
      return false;
    }
  }
  return true;
}

std::optional<SeriesFormula> ParseSeriesFormula(std::string_view text) {
  return Parser(text).Formula();
}

std::optional<FormulaArgument> ParseFormulaArgument(std::string_view text) {
  return Parser(text).LoneArgument();
}

std::string FormatSeriesFormula(const SeriesFormula& formula) {
  return "=SERIES(" + FormatArgument(formula.name) + "," + FormatArgument(formula.categories) +
         "," + FormatArgument(formula.values) + "," + std::to_string(formula.order) + ")";
}

std::string QuoteSheetName(std::string_view name) {
  bool plain = !name.empty() && !IsAsciiDigit(name.front()) && HasOnlyNameCharacters(name) &&
               !ReadsLikeA1(name) && !ReadsLikeR1C1(name);
  return plain ? std::string(name) : Quoted(name, '\'');
}

}  // namespace k27093::engine
