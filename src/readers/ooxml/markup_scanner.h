// MarkupScanner: a cheap pass over the bytes of an XML part, in UTF-8, that tells its markup
// apart (start, end and empty-element tags, text, CDATA sections) without building anything,
// so that what a parser would build from the part can be counted, and the part cut between
// elements, before the parser runs. It does not check the part: what it cannot follow
// (an unclosed tag, comment or section) ends the scan, and the parser then says what is wrong.
// Comments, processing instructions and the XML declaration are skipped, as the parser drops
// them; a document type declaration ends the scan with its own token.
#pragma once

#include <cstddef>
#include <string_view>

namespace k27093::ooxml {

struct MarkupToken {
  enum class Kind {
    StartTag,      // <name ...>
    EmptyTag,      // <name .../>
    EndTag,        // </name>
    Text,          // character data between tags (also white space only)
    CData,         // <![CDATA[...]]>
    DocumentType,  // <!DOCTYPE ...: the scan ends there
    End,           // the bytes end
    Unreadable,    // markup the scanner cannot follow: the scan ends there
  };
  Kind kind = Kind::End;
  std::size_t begin = 0;       // offset of the token's first byte in the part
  std::size_t end = 0;         // offset just past its last byte
  std::string_view name;       // a tag's qualified name ("x:row"); empty for other tokens
  std::size_t attributes = 0;  // a start or empty tag's attributes
};

class MarkupScanner {
 public:
  // Scans `bytes`, which must outlive the scanner, from their first byte.
  explicit MarkupScanner(std::string_view bytes) : bytes_(bytes) {}

  // The next token; End (and again End) once the bytes end, Unreadable or DocumentType (and
  // again the same) once the scan cannot go on.
  MarkupToken Next();

 private:
  MarkupToken Tag(std::size_t begin);
  MarkupToken Stop(MarkupToken::Kind kind, std::size_t at);

  std::string_view bytes_;
  std::size_t at_ = 0;
  bool stopped_ = false;
  MarkupToken last_;
};

}  // namespace k27093::ooxml
