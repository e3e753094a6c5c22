// Question0410: the learner removes both the major and the minor tick marks of the value axis.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0410 final : public Question {
 public:
  Question0410() : Question(410) {}

 protected:
  void RunTests(Check& check) override;
  HandlerVariant Handler() const override;
};

}  // namespace k27093::questions
