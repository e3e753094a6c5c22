// Question0413: a series named "moyenne" (any case), the fifth series drawn as a line and the
// first four as columns.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0413 final : public Question {
 public:
  Question0413() : Question(413) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
