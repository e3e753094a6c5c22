// Question0419: the chart of the second sheet shows its data table.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0419 final : public Question {
 public:
  Question0419() : Question(419) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
