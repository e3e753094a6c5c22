// The fault catalogue against the checks themselves: every sample workbook (those the learner
// got right and those with a fault) is checked by its exercise's real question with a letter
// observer, which hears every letter the check offers on its way (each test run, each letter
// stored, each letter a handler maps an error to). Over all samples, the letters heard for an
// exercise must be exactly the letters the catalogue explains for it: a check that gains a
// letter the catalogue lacks, or a catalogue entry that no check offers, fails here.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "cli/embedded_environment.h"
#include "cli/fault_explanations.h"
#include "module/module.h"
#include "questions/question_catalog.h"
#include "questions/question_classes.h"
#include "support/sample_workbooks.h"
#include "support/temporary_folder.h"

namespace k27093 {
namespace {

using testsupport::TemporaryFolder;

class HeardLetters final : public questions::LetterObserver {
 public:
  void Offered(std::string_view letter) override { letters.emplace(letter); }
  std::set<std::string> letters;
};

// Checks `sample` with its exercise's real question, whose letters `heard` records. The
// spreadsheet has a printer, so that 420's check runs.
void CheckRecording(const testsupport::SampleWorkbook& sample,
                    const std::shared_ptr<HeardLetters>& heard) {
  TemporaryFolder templates, work, moduleFolder;
  testsupport::WriteFileBytes(moduleFolder.File("X27093.xls"),
                              testsupport::ReadFileBytes(K27093_MACRO_WORKBOOK));
  const questions::QuestionInfo* info = questions::FindQuestion(sample.exercise);
  ASSERT_NE(info, nullptr);
  sample.write(work.File(info->nomSource));
  client::EmbeddedEnvironment embedded(client::EmbeddedOptions{templates.path(), "Imprimante PDF",
                                                               moduleFolder.path(), work.path()});
  Module module(embedded.environment(), [&](std::int32_t number) {
    Ref<questions::Question> question = questions::CreateQuestion(number);
    question->ObserveLetters(heard);
    return question;
  });
  Ref<xl::Application> application;
  Hwnd window = 0;
  module.InitQuestion(sample.exercise, work.path(), application, window);
  module.TestePoint();
  module.Quitter(application, window);
}

// The letters the checks offer over all samples, by exercise.
const std::map<std::int32_t, std::set<std::string>>& LettersHeard() {
  static const auto heard = [] {
    std::map<std::int32_t, std::shared_ptr<HeardLetters>> byExercise;
    for (const auto& sample : testsupport::SampleWorkbooks()) {
      auto& letters = byExercise[sample.exercise];
      if (!letters) letters = std::make_shared<HeardLetters>();
      CheckRecording(sample, letters);
    }
    std::map<std::int32_t, std::set<std::string>> letters;
    for (const auto& [exercise, recorded] : byExercise) letters[exercise] = recorded->letters;
    return letters;
  }();
  return heard;
}

std::set<std::string> Explained(std::int32_t exercise) {
  const auto codes = client::ExplainedCodes(exercise, false);
  return {codes.begin(), codes.end()};
}

TEST(FaultCatalogue, ExplainsExactlyTheLettersEachCheckOffers) {
  const auto& heard = LettersHeard();
  for (std::int32_t exercise = questions::kFirstQuestion; exercise <= questions::kLastQuestion;
       ++exercise) {
    ASSERT_TRUE(heard.contains(exercise)) << exercise << " has no sample";
    EXPECT_EQ(heard.at(exercise), Explained(exercise)) << "exercise " << exercise;
  }
}

TEST(FaultCatalogue, ACodeIsExplainedOnceForEachExercise) {
  for (std::int32_t exercise = questions::kFirstQuestion; exercise <= questions::kLastQuestion;
       ++exercise) {
    for (const bool general : {false, true}) {
      const auto codes = client::ExplainedCodes(exercise, general);
      const std::set<std::string> distinct(codes.begin(), codes.end());
      EXPECT_EQ(distinct.size(), codes.size()) << exercise << (general ? " general" : " own");
    }
  }
}

}  // namespace
}  // namespace k27093
