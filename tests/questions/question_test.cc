#include "questions/question.h"

#include <gtest/gtest.h>

#include "questions/question_catalog.h"
#include "questions/question_classes.h"
#include "support/scripted_question.h"

namespace k27093::questions {
namespace {

using testsupport::ScriptedQuestion;

TEST(QuestionCatalog, HoldsTwentyOneExercisesWithTheirFiles) {
  ASSERT_EQ(QuestionCatalog().size(), 21u);
  for (const QuestionInfo& info : QuestionCatalog()) {
    const std::string digits = std::to_string(info.number - 400);
    const std::string twoDigits = digits.size() == 1 ? "0" + digits : digits;
    EXPECT_EQ(info.className, "Question04" + twoDigits);
    EXPECT_EQ(info.nomSource, "027093" + twoDigits + ".xls");
    EXPECT_EQ(info.nomDest, info.number == 421 ? "Présentation des résultats.xls" : "Ventes.xls");
  }
  EXPECT_EQ(FindQuestion(400), nullptr);
  EXPECT_EQ(FindQuestion(422), nullptr);
}

TEST(QuestionFactory, CreatesTheClassOfEachNumberAndNothingElse) {
  for (std::int32_t number = 401; number <= 421; ++number) {
    auto question = CreateQuestion(number);
    ASSERT_FALSE(question.IsNothing()) << number;
    EXPECT_EQ(question->TypeName(), FindQuestion(number)->className);
  }
  EXPECT_TRUE(CreateQuestion(400).IsNothing());
  EXPECT_TRUE(CreateQuestion(422).IsNothing());
  EXPECT_NE(dynamic_cast<Question0421*>(CreateQuestion(421).get()), nullptr);
}

TEST(QuestionInitialisation, HoldsItsOneWorkingFile) {
  auto question = CreateQuestion(421);
  auto list = question->FichiersDeTravail();
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->Item(1).NomSource, "02709321.xls");
  EXPECT_EQ(list->Item(1).NomDest, "Présentation des résultats.xls");
  EXPECT_FALSE(list->Item(1).Modele);
  EXPECT_EQ(CreateQuestion(407)->FichiersDeTravail()->Item(1).NomSource, "02709307.xls");
}

TEST(QuestionInitialisation, StartsWithEmptyVerdictAndNoComplement) {
  auto question = CreateQuestion(405);
  EXPECT_EQ(question->CauseErreur(), "");
  EXPECT_FALSE(question->BravoNuance());
  EXPECT_TRUE(question->ComplementInfo().IsNothing());
  EXPECT_EQ(question->PathDossierParDefaut(), "");
}

TEST(QuestionFermer, ReleasesTheListsSoANewEmptyListFollows) {
  auto question = CreateQuestion(402);
  question->Fermer();
  EXPECT_EQ(question->FichiersDeTravail()->count(), 0);
  EXPECT_TRUE(question->ComplementInfo().IsNothing());
}

TEST(QuestionLateBinding, AnswersItsMembersByName) {
  auto question = CreateQuestion(403);
  const Variant object(question);
  EXPECT_EQ(ToText(GetProperty(object, "causeerreur")), "");
  EXPECT_FALSE(ToBoolean(GetProperty(object, "BravoNuance")));
  const Variant list = GetProperty(object, "FichiersDeTravail");
  const Variant record = GetProperty(list, "Item", {Variant(1)});
  EXPECT_EQ(ToText(GetProperty(record, "NomDest")), "Ventes.xls");
  try {
    GetProperty(object, "Verdict");
    FAIL() << "an unknown member must raise";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), errors::kNoMember);
  }
}

TEST(CheckFrame, FirstFailedTestStoresItsLetterAndEndsTheCheck) {
  int testsRun = 0;
  ScriptedQuestion question([&](Check& check) {
    ++testsRun;
    check.Expect(true, "H");
    ++testsRun;
    check.Expect(false, "I");
    ++testsRun;
    check.Expect(false, "A");
  });
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "I");
  EXPECT_EQ(testsRun, 2);
}

TEST(CheckFrame, UndecidedConditionsDoNotFail) {
  ScriptedQuestion question([](Check& check) {
    check.Expect(Tribool::Unknown(), "B");
    check.Expect(Tribool::Unknown() || false, "C");
    check.Expect(Tribool::Unknown() && false, "D");
  });
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "D");
}

TEST(CheckFrame, TypeMismatchInvalidCallAndOverflowGiveAA) {
  for (std::int32_t number : {13, 5, 6}) {
    ScriptedQuestion question([&](Check& check) {
      check.Expect(true, "H");
      Raise(number);
    });
    question.TestePoint();
    EXPECT_EQ(question.CauseErreur(), "AA") << number;
  }
}

TEST(CheckFrame, OtherErrorsComeBackTracedWithNumberAndDescriptionKept) {
  ScriptedQuestion question([](Check&) {
    Raise(1004, "Unable to get the ChartObjects property of the Worksheet class",
          "Microsoft Office Excel");
  });
  try {
    question.TestePoint();
    FAIL();
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 1004);
    EXPECT_EQ(error.description(),
              "Unable to get the ChartObjects property of the Worksheet class");
    EXPECT_EQ(error.source(), TracedSource("Question0401", "TestePoint", "Microsoft Office Excel"));
  }
}

TEST(CheckFrame, EveryCheckStartsFromAnEmptyVerdictAndANewComplementList) {
  bool broken = true;
  ScriptedQuestion question([&](Check& check) {
    check.AddComplement("lu");
    check.Expect(!broken, "B");
  });
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "B");
  auto first = question.ComplementInfo();
  EXPECT_EQ(first->count(), 1);

  broken = false;  // the learner mends the workbook
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "");
  EXPECT_FALSE(question.ComplementInfo().Is(first));
  EXPECT_EQ(question.ComplementInfo()->count(), 1);
}

TEST(CheckFrame, AFixedWorkbookPassesAfterAnAA) {
  bool broken = true;
  ScriptedQuestion question([&](Check&) {
    if (broken) Raise(errors::kTypeMismatch);
  });
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "AA");
  broken = false;
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "");
}

TEST(CheckFrame, HandlerVariantMapsNumbersAndRunsAfterAPass) {
  HandlerVariant variant{{{1004, "C"}, {94, "D"}}};
  std::int32_t raised = 0;
  ScriptedQuestion question(
      [&](Check&) {
        if (raised != 0) Raise(raised);
      },
      401, variant);
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "");  // error 0 after the pass stores nothing
  raised = 94;
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "D");
  raised = 1004;
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "C");
  raised = 13;
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "AA");
  raised = 9;
  EXPECT_THROW(question.TestePoint(), Error);
}

TEST(CheckFrame, AStoredLetterStaysWhenALaterErrorIsPassedOn) {
  ScriptedQuestion question([](Check& check) {
    check.Store("C");
    Raise(1004, "Unable to get the Text property of the ChartTitle class",
          "Microsoft Office Excel");
  });
  EXPECT_THROW(question.TestePoint(), Error);
  EXPECT_EQ(question.CauseErreur(), "C");
}

TEST(CheckFrame, AStoredLetterGoesOnToTheEndAndIsReplacedByTheHandlersOwnLetters) {
  std::int32_t raised = 0;
  ScriptedQuestion question(
      [&](Check& check) {
        check.Store("B");
        check.AddComplement(" 500");
        if (raised != 0) Raise(raised);
      },
      409, HandlerVariant{{{1004, "C"}}});
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "B");
  EXPECT_EQ(question.ComplementInfo()->count(), 1);
  for (auto [number, letter] : {std::pair{13, "AA"}, {5, "AA"}, {6, "AA"}, {1004, "C"}}) {
    raised = number;
    question.TestePoint();
    EXPECT_EQ(question.CauseErreur(), letter) << number;
  }
}

TEST(CheckFrame, AStepsOwnHandlerMapsItsErrorsAndLeavesTheOthersToTheCheck) {
  std::int32_t raisedInStep = 0;
  int stepsAfter = 0;
  ScriptedQuestion question([&](Check& check) {
    check.MappingErrors({{1004, "D"}}, [&] {
      if (raisedInStep != 0) Raise(raisedInStep);
    });
    ++stepsAfter;
    if (raisedInStep == 0) Raise(1004);  // after the step, 1004 is the check's own
  });
  raisedInStep = 1004;
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "D");
  EXPECT_EQ(stepsAfter, 0);
  raisedInStep = 13;
  question.TestePoint();
  EXPECT_EQ(question.CauseErreur(), "AA");
  raisedInStep = 9;
  EXPECT_THROW(question.TestePoint(), Error);
  raisedInStep = 0;
  EXPECT_THROW(question.TestePoint(), Error);
  EXPECT_EQ(stepsAfter, 1);
}

TEST(CheckFrame, ReadsWithErrorsIgnoredReportWhetherTheyFailed) {
  EXPECT_TRUE(Check::WithoutErrors([] {}));
  EXPECT_FALSE(Check::WithoutErrors([] { Raise(1004); }));
}

}  // namespace
}  // namespace k27093::questions
