// Question0406: the learner places the legend of the first sheet's chart at the bottom.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0406 final : public Question {
 public:
  Question0406() : Question(406) {}

 protected:
  void RunTests(Check& check) override;
  HandlerVariant Handler() const override;
};

}  // namespace k27093::questions
