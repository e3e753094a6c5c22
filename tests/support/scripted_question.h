// ScriptedQuestion: a question of exercise `number` whose tests are a script given by the
// test, to drive the check frame and the module's verdicts without a real exercise check.
#pragma once

#include <functional>

#include "questions/question.h"

namespace k27093::testsupport {

class ScriptedQuestion : public questions::Question {
 public:
  using Script = std::function<void(questions::Check&)>;

  explicit ScriptedQuestion(Script script, std::int32_t number = 401,
                            questions::HandlerVariant variant = {})
      : Question(number), script_(std::move(script)), variant_(std::move(variant)) {}

 protected:
  void RunTests(questions::Check& check) override { script_(check); }
  questions::HandlerVariant Handler() const override { return variant_; }

 private:
  Script script_;
  questions::HandlerVariant variant_;
};

}  // namespace k27093::testsupport
