// Question0416: the text box "Text Box 2" and the drawn shape "AutoShape 3" of the chart at
// given places and sizes, the text box in front of the shape.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0416 final : public Question {
 public:
  Question0416() : Question(416) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
