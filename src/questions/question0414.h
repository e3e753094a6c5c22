// Question0414: a text box in the chart that reads "x1000" (any case): the unit of the values.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0414 final : public Question {
 public:
  Question0414() : Question(414) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
