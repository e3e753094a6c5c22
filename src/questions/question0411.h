// Question0411: a clustered column chart of four series whose fourth series is not filled with
// the colour 16777164 (CCFFFF as RGB, the fourth automatic colour of a new chart).
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0411 final : public Question {
 public:
  Question0411() : Question(411) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
