// Question0401: the learner builds a clustered column chart on the sheet "Année N" from the
// table E3:G7 (four series in rows E4:E7, two categories in F3:G3), with no title.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0401 final : public Question {
 public:
  Question0401() : Question(401) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
