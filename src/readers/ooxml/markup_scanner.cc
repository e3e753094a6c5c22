#include "readers/ooxml/markup_scanner.h"

namespace k27093::ooxml {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Ends a name: white space, '/', '>' or '='.
bool EndsName(char c) { return IsSpace(c) || c == '/' || c == '>' || c == '='; }

}  // namespace

MarkupToken MarkupScanner::Stop(MarkupToken::Kind kind, std::size_t at) {
  stopped_ = true;
  last_ = MarkupToken{kind, at, bytes_.size(), {}, 0};
  return last_;
}

MarkupToken MarkupScanner::Next() {
  if (stopped_) return last_;
  while (at_ < bytes_.size()) {
    const std::size_t begin = at_;
    if (bytes_[begin] != '<') {
      const std::size_t next = bytes_.find('<', begin);
      at_ = next == std::string_view::npos ? bytes_.size() : next;
      return MarkupToken{MarkupToken::Kind::Text, begin, at_, {}, 0};
    }
    const std::string_view rest = bytes_.substr(begin);
    if (rest.starts_with("<!--")) {
      const std::size_t close = bytes_.find("-->", begin + 4);
      if (close == std::string_view::npos) return Stop(MarkupToken::Kind::Unreadable, begin);
      at_ = close + 3;
    } else if (rest.starts_with("<![CDATA[")) {
      const std::size_t close = bytes_.find("]]>", begin + 9);
      if (close == std::string_view::npos) return Stop(MarkupToken::Kind::Unreadable, begin);
      at_ = close + 3;
      return MarkupToken{MarkupToken::Kind::CData, begin, at_, {}, 0};
    } else if (rest.starts_with("<!DOCTYPE")) {
      return Stop(MarkupToken::Kind::DocumentType, begin);
    } else if (rest.starts_with("<!")) {
      return Stop(MarkupToken::Kind::Unreadable, begin);
    } else if (rest.starts_with("<?")) {
      const std::size_t close = bytes_.find("?>", begin + 2);
      if (close == std::string_view::npos) return Stop(MarkupToken::Kind::Unreadable, begin);
      at_ = close + 2;
    } else {
      return Tag(begin);
    }
  }
  return MarkupToken{MarkupToken::Kind::End, bytes_.size(), bytes_.size(), {}, 0};
}

MarkupToken MarkupScanner::Tag(std::size_t begin) {
  const bool closing = begin + 1 < bytes_.size() && bytes_[begin + 1] == '/';
  std::size_t at = begin + (closing ? 2 : 1);
  const std::size_t nameBegin = at;
  while (at < bytes_.size() && !EndsName(bytes_[at])) ++at;
  if (at == nameBegin) return Stop(MarkupToken::Kind::Unreadable, begin);
  MarkupToken token{MarkupToken::Kind::StartTag, begin, 0, bytes_.substr(nameBegin, at - nameBegin),
                    0};
  auto skipSpace = [&] {
    while (at < bytes_.size() && IsSpace(bytes_[at])) ++at;
  };
  for (;;) {
    skipSpace();
    if (at >= bytes_.size()) return Stop(MarkupToken::Kind::Unreadable, begin);
    if (bytes_[at] == '>') {
      token.kind = closing ? MarkupToken::Kind::EndTag : MarkupToken::Kind::StartTag;
      at_ = token.end = at + 1;
      return token;
    }
    if (closing) return Stop(MarkupToken::Kind::Unreadable, begin);
    if (bytes_.substr(at).starts_with("/>")) {
      token.kind = MarkupToken::Kind::EmptyTag;
      at_ = token.end = at + 2;
      return token;
    }
    // An attribute: name, '=', a quoted value.
    const std::size_t attributeName = at;
    while (at < bytes_.size() && !EndsName(bytes_[at])) ++at;
    if (at == attributeName) return Stop(MarkupToken::Kind::Unreadable, begin);
    skipSpace();
    if (at >= bytes_.size() || bytes_[at] != '=') return Stop(MarkupToken::Kind::Unreadable, begin);
    ++at;
    skipSpace();
    if (at >= bytes_.size() || (bytes_[at] != '"' && bytes_[at] != '\'')) {
      return Stop(MarkupToken::Kind::Unreadable, begin);
    }
    const std::size_t close = bytes_.find(bytes_[at], at + 1);
    if (close == std::string_view::npos) return Stop(MarkupToken::Kind::Unreadable, begin);
    at = close + 1;
    ++token.attributes;
  }
}

}  // namespace k27093::ooxml
