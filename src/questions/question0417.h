// Question0417: the drawn shape "AutoShape 3" of the chart filled in a colour other than white
// and outlined in a colour other than black, and the chart area filled with a texture.
#pragma once

#include "questions/question.h"

namespace k27093::questions {

class Question0417 final : public Question {
 public:
  Question0417() : Question(417) {}

 protected:
  void RunTests(Check& check) override;
};

}  // namespace k27093::questions
