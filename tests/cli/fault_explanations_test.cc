// The fault catalogue looked up as the client does: by exercise, general or own, code and
// language. (tests/questions checks the letters against the checks themselves.)
#include "cli/fault_explanations.h"

#include <gtest/gtest.h>

namespace k27093 {
namespace {

using client::ExplainFault;
using client::Language;

TEST(FaultExplanations, AnOwnLetterMeansWhatItMeansForItsExercise) {
  EXPECT_EQ(ExplainFault(401, false, "H", Language::kFrench),
            "Aucun graphique n'a été créé sur la feuille « Année N ».");
  EXPECT_EQ(ExplainFault(401, false, "H", Language::kEnglish),
            "No chart was made on the sheet \"Année N\".");
  EXPECT_EQ(ExplainFault(419, false, "A", Language::kEnglish),
            "The chart does not show its data table.");
  // 402 has no letter H of its own.
  EXPECT_EQ(ExplainFault(402, false, "H", Language::kFrench), std::nullopt);
}

TEST(FaultExplanations, AGeneralCodeIsNotAnOwnLetterOfTheSameName) {
  EXPECT_EQ(ExplainFault(401, true, "H", Language::kEnglish),
            "The first sheet must stay \"Année N\".");
  EXPECT_NE(ExplainFault(401, true, "H", Language::kEnglish),
            ExplainFault(401, false, "H", Language::kEnglish));
}

TEST(FaultExplanations, StructureCodesOnlyForTheExercisesTheyCanOccurIn) {
  EXPECT_TRUE(ExplainFault(420, true, "#BA", Language::kFrench).has_value());
  EXPECT_FALSE(ExplainFault(419, true, "#BA", Language::kFrench).has_value());
  EXPECT_FALSE(ExplainFault(401, true, "J", Language::kFrench).has_value());
  EXPECT_EQ(ExplainFault(405, true, "J", Language::kEnglish),
            "The sheet \"Année N\" must hold exactly one chart.");
  EXPECT_EQ(ExplainFault(418, true, "J", Language::kEnglish),
            "The sheet \"Année N-1\" must hold exactly one chart.");
  EXPECT_FALSE(ExplainFault(420, true, "E", Language::kFrench).has_value());
  EXPECT_TRUE(ExplainFault(421, true, "E", Language::kFrench).has_value());
  // D is the marker comment for the sales workbook, the check boxes for the answers.
  EXPECT_EQ(ExplainFault(401, true, "D", Language::kEnglish),
            "The marker comment of cell G9 was changed or deleted.");
  EXPECT_EQ(ExplainFault(421, true, "D", Language::kEnglish),
            "The sheet \"Réponses\" must keep its check boxes.");
}

TEST(FaultExplanations, TheModulesCodesHoldForEveryExercise) {
  for (const char* code : {"AM", "%AL", "AN", "AA", "C", "A", "G"}) {
    for (const std::int32_t exercise : {401, 410, 421}) {
      EXPECT_TRUE(ExplainFault(exercise, true, code, Language::kFrench).has_value())
          << exercise << " " << code;
    }
  }
}

TEST(FaultExplanations, NothingOutsideTheChapterAndNothingForAPass) {
  EXPECT_FALSE(ExplainFault(422, true, "AN", Language::kFrench).has_value());
  EXPECT_FALSE(ExplainFault(400, false, "A", Language::kFrench).has_value());
  EXPECT_FALSE(ExplainFault(401, false, "", Language::kFrench).has_value());
  EXPECT_TRUE(client::ExplainedCodes(422, true).empty());
}

TEST(FaultExplanations, LanguagesAreNamedFrAndEn) {
  EXPECT_EQ(client::LanguageNamed("fr"), Language::kFrench);
  EXPECT_EQ(client::LanguageNamed("en"), Language::kEnglish);
  EXPECT_EQ(client::LanguageNamed("EN"), std::nullopt);
  EXPECT_EQ(client::LanguageNamed(""), std::nullopt);
}

}  // namespace
}  // namespace k27093
