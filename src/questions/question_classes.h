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
#include "questions/question0411.h"
#include "questions/question0412.h"
#include "questions/question0413.h"
#include "questions/question0414.h"
#include "questions/question0415.h"
#include "questions/question0416.h"
#include "questions/question0417.h"
#include "questions/question0418.h"
#include "questions/question0419.h"
#include "questions/question0420.h"
#include "questions/question0421.h"

namespace k27093::questions {

// A new object of the class for `number`; Nothing outside 401..421.
Ref<Question> CreateQuestion(std::int32_t number);

}  // namespace k27093::questions
