// Question0415: the unit text box "x1000" at a given place and size, and exactly one drawn shape
// in the chart, a horizontal scroll. The check changes the selection as it goes.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0415 final : public Question {
 public:
  Question0415() : Question(415) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
