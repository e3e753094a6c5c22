// Question0421: the learner ticks the check boxes 2 and 4 of the sheet "Réponses", which the
// check unprotects to read and protects again.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0421 final : public Question {
 public:
  Question0421() : Question(421) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
