// Question0412: a fifth series named by E8 with the values F8:G8 of "Année N", without
// categories or with the categories F3:G3.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0412 final : public Question {
 public:
  Question0412() : Question(412) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
