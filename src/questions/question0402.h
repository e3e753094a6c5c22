// Question0402: the learner sizes the chart object of the first sheet to exactly 247.5 x 146.25
// points and moves it to the sheet's top left corner (left and top at most 10 points).
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0402 final : public Question {
 public:
  Question0402() : Question(402) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
