// Question0405: the chart area's text must be in "Arial" at a size other than 11, and the
// chart must have a title whose font is not "Arial" and whose size is 11.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0405 final : public Question {
 public:
  Question0405() : Question(405) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
