// Question0409: the learner fixes the value axis' major unit at 400. A fixed unit of another
// value is given back as a complement.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0409 final : public Question {
 public:
  Question0409() : Question(409) {}

 protected:
  void RunTests(Check& check) override;
  HandlerVariant Handler() const override;
};

}  // namespace k27093::questions
