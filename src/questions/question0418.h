// Question0418: the chart of the second sheet is not a cone chart and combines kinds of plot.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0418 final : public Question {
 public:
  Question0418() : Question(418) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
