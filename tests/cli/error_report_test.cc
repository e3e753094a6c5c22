// How the client reports an error that reached it.
#include "cli/error_report.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

namespace k27093 {
namespace {

using client::VisibleText;

TEST(VisibleText, EscapesLineFeedCarriageReturnTabAndBackslash) {
  EXPECT_EQ(VisibleText("a\nb\rc\td\\e"), "a\\nb\\rc\\td\\\\e");
}

TEST(VisibleText, WritesOtherControlBytesInHexadecimal) {
  EXPECT_EQ(VisibleText(std::string("\x01|\x1f|\x7f|\0", 7)), "\\x01|\\x1F|\\x7F|\\x00");
}

TEST(VisibleText, KeepsPrintableAndAccentedText) {
  EXPECT_EQ(VisibleText("Année N-1 : « réussi »"), "Année N-1 : « réussi »");
  EXPECT_EQ(VisibleText(""), "");
}

TEST(PrintError, PrintsNumberDescriptionAndTheTracedSourceOnTwoLines) {
  std::ostringstream err;
  client::PrintError(err, Error(9, "Subscript out of range",
                                TracedSource("Question0401", "TestePoint", "K27093")));
  EXPECT_EQ(err.str(),
            "Error 9: Subscript out of range\n"
            "Source: DLL K27093 - CLASSE Question0401\\n\\r - SERVICE TestePoint - OBJET K27093\n");
}

TEST(CurrentError, KeepsAnErrorAndTurnsOtherExceptionsIntoError51) {
  try {
    throw Error(1004, "échec", "Microsoft Office Excel");
  } catch (...) {
    Error error = client::CurrentError();
    EXPECT_EQ(error.number(), 1004);
    EXPECT_EQ(error.source(), "Microsoft Office Excel");
  }
  try {
    throw std::runtime_error("disque plein");
  } catch (...) {
    Error error = client::CurrentError();
    EXPECT_EQ(error.number(), 51);
    EXPECT_EQ(error.description(), "Internal error: disque plein");
    EXPECT_EQ(error.source(), "K27093");
  }
}

}  // namespace
}  // namespace k27093
