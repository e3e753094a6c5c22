// Question0407: the learner makes the plot area taller than 80 points while the chart object
// keeps its size and the chart keeps its axes, title, legend and data.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0407 final : public Question {
 public:
  Question0407() : Question(407) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
