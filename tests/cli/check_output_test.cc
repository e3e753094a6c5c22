// How the check command reports a grading: exit statuses, text lines and the JSON object.
#include "cli/check_output.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace k27093 {
namespace {

using client::Grading;
using client::GradingJson;
using client::Verdict;
using nlohmann::ordered_json;

Grading VerdictOf(bool general, std::string cause, std::vector<std::string> complement = {}) {
  Grading grading;
  grading.exercise = 401;
  grading.verdict = Verdict{general, std::move(cause), false, std::move(complement)};
  return grading;
}

Grading ErrorGrading() {
  Grading grading;
  grading.exercise = 422;
  grading.error = Error(91, "Object variable or With block variable not set",
                        TracedSource("Module", "Nettoyage", "K27093"));
  return grading;
}

struct Printed {
  std::string out;
  std::string err;
};

Printed Print(const Grading& grading) {
  std::ostringstream out;
  std::ostringstream err;
  client::PrintGrading(out, err, grading);
  return {out.str(), err.str()};
}

TEST(CheckExitStatus, SortsPassOwnFaultGeneralFaultAndError) {
  EXPECT_EQ(client::ExitStatusOf(VerdictOf(false, "")), 0);
  EXPECT_EQ(client::ExitStatusOf(VerdictOf(false, "H")), 1);
  EXPECT_EQ(client::ExitStatusOf(VerdictOf(true, "AM")), 2);
  // A general fault is general even without a code.
  EXPECT_EQ(client::ExitStatusOf(VerdictOf(true, "")), 2);
  EXPECT_EQ(client::ExitStatusOf(ErrorGrading()), 3);
}

TEST(CheckText, OneLinePerVerdictWithTheFaultExplainedInFrenchByDefault) {
  EXPECT_EQ(Print(VerdictOf(false, "")).out, "401: pass\n");
  EXPECT_EQ(Print(VerdictOf(false, "H")).out,
            "401: fault H — Aucun graphique n'a été créé sur la feuille « Année N ».\n");
  EXPECT_EQ(Print(VerdictOf(true, "%AL")).out,
            "401: general fault %AL — Le tableur ne répond pas (une boîte de dialogue est "
            "peut-être ouverte).\n");
  EXPECT_TRUE(Print(VerdictOf(true, "%AL")).err.empty());
}

TEST(CheckText, TheExplanationFollowsTheLanguageAsked) {
  std::ostringstream out;
  std::ostringstream err;
  client::PrintGrading(out, err, VerdictOf(true, "G"), client::Language::kEnglish);
  EXPECT_EQ(out.str(), "401: general fault G — The workbook must keep exactly its two sheets.\n");
}

TEST(CheckText, ACodeTheCatalogueDoesNotKnowIsPrintedWithoutExplanation) {
  EXPECT_EQ(Print(VerdictOf(false, "Z")).out, "401: fault Z\n");
  // "H" is a general code of 401 too, but an own letter of 401 is not a general code of 421.
  Grading grading = VerdictOf(true, "H");
  grading.exercise = 421;
  EXPECT_EQ(Print(grading).out, "421: general fault H\n");
}

TEST(CheckText, ComplementTextsFollowIndentedOnePerLine) {
  Printed printed = Print(VerdictOf(false, "B", {"Échelle : 400", "ligne 1\nligne 2"}));
  EXPECT_EQ(printed.out,
            "401: fault B — Le graphique a moins de quatre séries.\n  Échelle : 400\n  ligne "
            "1\\nligne 2\n");
}

TEST(CheckText, AnErrorGoesToTheErrorStreamWithItsSourceMadeVisible) {
  Printed printed = Print(ErrorGrading());
  EXPECT_TRUE(printed.out.empty()) << printed.out;
  EXPECT_EQ(printed.err,
            "Error 91: Object variable or With block variable not set\n"
            "Source: DLL K27093 - CLASSE Module\\n\\r - SERVICE Nettoyage - OBJET K27093\n");
}

TEST(CheckJson, AVerdictHasTheKeysInOrderAndANullError) {
  ordered_json json = GradingJson(VerdictOf(false, "H"));
  EXPECT_EQ(json.dump(),
            "{\"exercise\":401,\"ErreurGenerale\":false,\"CauseErreur\":\"H\","
            "\"explanation\":\"Aucun graphique n'a été créé sur la feuille « Année N ».\","
            "\"BravoNuance\":false,\"Complement\":[],\"error\":null}");
}

TEST(CheckJson, ComplementTextsAreAnArrayOfStrings) {
  ordered_json json = GradingJson(VerdictOf(false, "", {"un", "deux"}));
  EXPECT_EQ(json["Complement"], ordered_json::array({"un", "deux"}));
  EXPECT_EQ(json["CauseErreur"], "");
  EXPECT_TRUE(json["explanation"].is_null());
}

TEST(CheckJson, AnErrorNullsTheVerdictAndKeepsTheRawSource) {
  ordered_json json = GradingJson(ErrorGrading());
  EXPECT_EQ(json.dump(),
            "{\"exercise\":422,\"ErreurGenerale\":null,\"CauseErreur\":null,\"explanation\":null,"
            "\"BravoNuance\":null,"
            "\"Complement\":null,\"error\":{\"number\":91,\"description\":\"Object variable or "
            "With block variable not set\",\"source\":\"DLL K27093 - CLASSE "
            "Module\\n\\r - SERVICE Nettoyage - OBJET K27093\"}}");
  EXPECT_EQ(json["error"]["source"].get<std::string>().find("Module\n\r"), 20u);
}

TEST(CheckJson, PrintsOneLineAndReplacesInvalidUtf8) {
  std::ostringstream out;
  client::PrintJsonLine(out, GradingJson(VerdictOf(false, "\xff")));
  EXPECT_EQ(out.str().find('\n'), out.str().size() - 1);
  EXPECT_NE(out.str().find("\"CauseErreur\":\"\xEF\xBF\xBD\""), std::string::npos) << out.str();
}

}  // namespace
}  // namespace k27093
