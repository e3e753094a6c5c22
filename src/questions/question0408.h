// Question0408: the learner adds major gridlines to the category axis and leaves the value
// axis with its major gridlines only.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0408 final : public Question {
 public:
  Question0408() : Question(408) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
