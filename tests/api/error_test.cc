// The error type and the source trail that every trapping procedure extends.
#include "api/error.h"

#include <gtest/gtest.h>

#include "support/raised_error.h"

namespace k27093 {
namespace {

using testsupport::RaisedError;

TEST(ErrorTrail, OneLevelPutsLineFeedBeforeCarriageReturn) {
  std::string expected =
      "DLL K27093 - CLASSE Module\x0a\x0d - SERVICE Nettoyage - OBJET K27093";
  EXPECT_EQ(TracedSource("Module", "Nettoyage", "K27093"), expected);
}

TEST(ErrorTrail, OneLevelKeepsNumberAndDescription) {
  Error error = RaisedError([] {
    try {
      Raise(errors::kNoObject);
    } catch (const Error& inner) {
      RemonteErreur("Module", "Nettoyage", inner);
    }
  });
  EXPECT_EQ(error.number(), 91);
  EXPECT_EQ(error.description(), "Object variable or With block variable not set");
  EXPECT_EQ(error.source(),
            "DLL K27093 - CLASSE Module\n\r - SERVICE Nettoyage - OBJET K27093");
}

TEST(ErrorTrail, SpreadsheetSourceComesLast) {
  Error error = RaisedError([] {
    try {
      Raise(errors::kApplication, "'x.xls' could not be found.", "Microsoft Office Excel");
    } catch (const Error& inner) {
      RemonteErreur("Question0405", "Prepare", inner);
    }
  });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.description(), "'x.xls' could not be found.");
  EXPECT_EQ(error.source(),
            "DLL K27093 - CLASSE Question0405\n\r - SERVICE Prepare - OBJET Microsoft Office "
            "Excel");
}

TEST(ErrorTrail, TwoLevelsPutOutermostFirst) {
  Error error = RaisedError([] {
    try {
      try {
        Raise(errors::kPermissionDenied);
      } catch (const Error& first) {
        RemonteErreur("Module", "Nettoyage", first);
      }
    } catch (const Error& second) {
      RemonteErreur("Module", "Quitter", second);
    }
  });
  EXPECT_EQ(error.number(), 70);
  EXPECT_EQ(error.description(), "Permission denied");
  EXPECT_EQ(error.source(),
            "DLL K27093 - CLASSE Module\n\r - SERVICE Quitter - OBJET "
            "DLL K27093 - CLASSE Module\n\r - SERVICE Nettoyage - OBJET K27093");
}

TEST(ErrorTrail, EmptyPreviousSourceEndsTheText) {
  EXPECT_EQ(TracedSource("Module", "Renomme", ""),
            "DLL K27093 - CLASSE Module\n\r - SERVICE Renomme - OBJET ");
}

TEST(StandardErrors, RaiseUsesComponentSourceAndStandardText) {
  Error error = RaisedError([] { Raise(errors::kObjectRequired); });
  EXPECT_EQ(error.number(), 424);
  EXPECT_EQ(error.description(), "Object required");
  EXPECT_EQ(error.source(), "K27093");
}

TEST(StandardErrors, DescriptionsOfTheNumbersTheComponentRaises) {
  EXPECT_EQ(StandardDescription(6), "Overflow");
  EXPECT_EQ(StandardDescription(9), "Subscript out of range");
  EXPECT_EQ(StandardDescription(13), "Type mismatch");
  EXPECT_EQ(StandardDescription(94), "Invalid use of Null");
  EXPECT_EQ(StandardDescription(438), "Object doesn't support this property or method");
  EXPECT_EQ(StandardDescription(12345), "");
}

}  // namespace
}  // namespace k27093
