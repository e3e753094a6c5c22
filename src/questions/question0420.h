// Question0420: the chart of the second sheet printed at its screen size (page setup 1012 = 1).
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0420 final : public Question {
 public:
  Question0420() : Question(420) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
