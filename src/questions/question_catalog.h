// The 21 exercises of the chapter: number, class name, the model file as handed out and the
// working file the learner works on. One table for the questions, the module and the client.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace k27093::questions {

struct QuestionInfo {
  std::int32_t number;         // 401 .. 421
  std::string_view className;  // "Question0401"
  std::string_view nomSource;  // "02709301.xls"
  std::string_view nomDest;    // "Ventes.xls"
};

inline constexpr std::int32_t kFirstQuestion = 401;
inline constexpr std::int32_t kLastQuestion = 421;

// All 21 exercises in number order.
std::span<const QuestionInfo> QuestionCatalog();

// The exercise with that number; nullptr outside 401..421.
const QuestionInfo* FindQuestion(std::int32_t number);

}  // namespace k27093::questions
