// The 21 question classes, one per exercise, and the factory the module uses. Each class
// holds its exercise's constants; its own check overrides RunTests.
#pragma once

#include <memory>

#include "questions/question.h"
#include "questions/question0401.h"
#include "questions/question0402.h"
#include "questions/question0403.h"
#include "questions/question0404.h"
#include "questions/question0405.h"
#include "questions/question0406.h"
#include "questions/question0407.h"
#include "questions/question0408.h"
#include "questions/question0409.h"
#include "questions/question0410.h"

namespace k27093::questions {

template <std::int32_t Number>
class NumberedQuestion : public Question {
 public:
  NumberedQuestion() : Question(Number) {}
};

class Question0411 final : public NumberedQuestion<411> {};
class Question0412 final : public NumberedQuestion<412> {};
class Question0413 final : public NumberedQuestion<413> {};
class Question0414 final : public NumberedQuestion<414> {};
class Question0415 final : public NumberedQuestion<415> {};
class Question0416 final : public NumberedQuestion<416> {};
class Question0417 final : public NumberedQuestion<417> {};
class Question0418 final : public NumberedQuestion<418> {};
class Question0419 final : public NumberedQuestion<419> {};
class Question0420 final : public NumberedQuestion<420> {};
class Question0421 final : public NumberedQuestion<421> {};

// A new object of the class for `number`; Nothing outside 401..421.
Ref<Question> CreateQuestion(std::int32_t number);

}  // namespace k27093::questions
