// Question0404: the learner gives the chart of the first sheet the title "Ventes" (any case).
// A wrong title is given back as a complement.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0404 final : public Question {
 public:
  Question0404() : Question(404) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
