// What an XML part may hold: the UTF-8 forms and the characters XML allows, found where they
// are broken; and a workbook whose names or texts break them is damaged.
#include <gtest/gtest.h>

#include <string>

#include "api/error.h"
#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"
#include "readers/ooxml/xml_characters.h"
#include "support/raised_error.h"

namespace k27093::ooxml {
namespace {

TEST(XmlCharacters, WellFormedTextOfAllowedCharactersPasses) {
  for (const std::string& text :
       {std::string("<a>plain</a>"), std::string("\xEF\xBB\xBF<a>é 中 \xF0\x9F\x98\x80</a>"),
        std::string("<a>\t\r\n\xEE\x80\x80\xEF\xBF\xBD</a>"), std::string("\xFF\xFE<\0a\0", 6),
        std::string("")}) {
    EXPECT_FALSE(FirstCharacterFault(text).has_value()) << text;
  }
}

TEST(XmlCharacters, BrokenUtf8IsFoundAtItsFirstByte) {
  struct Case {
    std::string bytes;
    std::size_t offset;
  };
  for (const Case& broken : {
           Case{"<a>caf\xE9</a>", 6},               // Windows-1252 é
           Case{"<a>\xC3</a>", 3},                  // cut short
           Case{"<a>\xC0\xAF</a>", 3},              // overlong '/'
           Case{"<a>x\xED\xA0\x80</a>", 4},         // a surrogate
           Case{"<a>\xF4\x90\x80\x80</a>", 3},      // beyond U+10FFFF
           Case{"<a>\x80</a>", 3},                  // a lone continuation byte
           Case{std::string("<a>\xE2\x82", 5), 3},  // the part ends inside a character
       }) {
    const auto fault = FirstCharacterFault(broken.bytes);
    ASSERT_TRUE(fault.has_value()) << broken.bytes;
    EXPECT_EQ(fault->offset, broken.offset) << broken.bytes;
    EXPECT_EQ(fault->what, "bytes that are not UTF-8");
  }
}

TEST(XmlCharacters, CharactersXmlDoesNotAllowAreNamed) {
  EXPECT_EQ(FirstCharacterFault("<a>\x01</a>")->what, "the character U+0001");
  EXPECT_EQ(FirstCharacterFault(std::string("<a>\0</a>", 8))->what, "the character U+0000");
  EXPECT_EQ(FirstCharacterFault("<a>\xEF\xBF\xBE</a>")->what, "the character U+FFFE");
  EXPECT_EQ(FirstCharacterFault("<a>ok\x1F</a>")->offset, 5u);
}

TEST(XmlCharacters, AReferenceToAForbiddenCharacterIsFoundWhereItStands) {
  EXPECT_EQ(FirstCharacterFault("<a>ok&#1;</a>").value().what,
            "a reference to the character U+0001");
  EXPECT_EQ(FirstCharacterFault("<a>ok&#1;</a>").value().offset, 5u);
  EXPECT_EQ(FirstCharacterFault("<a b=\"&#x0;\"/>").value().what,
            "a reference to the character U+0000");
  EXPECT_EQ(FirstCharacterFault("<a>&#xFFFF;</a>").value().what,
            "a reference to the character U+FFFF");
  EXPECT_EQ(FirstCharacterFault("<a>&#xD800;</a>").value().what,
            "a reference to the character U+D800");
  EXPECT_EQ(FirstCharacterFault("<a>&#99999999999;</a>").value().what,
            "a reference to the character U+110000");
  // Allowed characters, what is no reference, and text where references are not references.
  for (const std::string text :
       {"<a>&#9;&#xA;&#13;&#65;&#xe9;&#x1F600;</a>", "<a>&#;&#x;&#1</a>", "<a>&amp;#1;</a>",
        "<a><![CDATA[&#1;]]>&#66;</a>", "<a><!-- &#1; --></a>"}) {
    EXPECT_FALSE(FirstCharacterFault(text).has_value()) << text;
  }
  EXPECT_TRUE(FirstCharacterFault("<a><![CDATA[x]]>&#1;</a>").has_value());
}

Error ErrorOf(const testing::PackageParts& package) {
  return testsupport::RaisedError(
      [&] { ReadWorkbookBytes(testing::ZipBytes(package), "Ventes.xls"); });
}

TEST(XmlCharacters, ASheetNameOrCellTextThatBreaksThemDamagesTheWorkbook) {
  testing::PackageParts badName = testing::MinimalWorkbook();
  std::string& workbook = badName.parts["xl/workbook.xml"];
  workbook.replace(workbook.find("Feuil1"), 6, "Feuil\xE9");
  const Error name = ErrorOf(badName);
  EXPECT_EQ(name.number(), 1004);
  EXPECT_NE(name.description().find("the part 'xl/workbook.xml' holds bytes that are not UTF-8, "
                                    "which XML does not allow, at offset"),
            std::string::npos)
      << name.description();

  const Error text = ErrorOf(testing::MinimalWorkbook(
      "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a\x02</t></is></c></row>"));
  EXPECT_EQ(text.number(), 1004);
  EXPECT_NE(text.description().find("'xl/worksheets/sheet1.xml' holds the character U+0002"),
            std::string::npos)
      << text.description();

  const Error reference = ErrorOf(testing::MinimalWorkbook(
      "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a&#x2;b</t></is></c></row>"));
  EXPECT_EQ(reference.number(), 1004);
  EXPECT_NE(reference.description().find(
                "'xl/worksheets/sheet1.xml' holds a reference to the character U+0002"),
            std::string::npos)
      << reference.description();
}

}  // namespace
}  // namespace k27093::ooxml
