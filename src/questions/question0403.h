// Question0403: the learner activates the sheet "Année N" and selects the data series "SUD" of
// its chart. The check reads the application's active sheet and selection.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0403 final : public Question {
 public:
  Question0403() : Question(403) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
