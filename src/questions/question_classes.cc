#include "questions/question_classes.h"

#include <array>
#include <functional>

namespace k27093::questions {

namespace {

template <class... Classes>
constexpr auto Factories() {
  return std::array<Ref<Question> (*)(), sizeof...(Classes)>{
      +[]() -> Ref<Question> { return MakeRef<Classes>(); }...};
}

}  // namespace

Ref<Question> CreateQuestion(std::int32_t number) {
  static constexpr auto kFactories =
      Factories<Question0401, Question0402, Question0403, Question0404, Question0405, Question0406,
                Question0407, Question0408, Question0409, Question0410, Question0411, Question0412,
                Question0413, Question0414, Question0415, Question0416, Question0417, Question0418,
                Question0419, Question0420, Question0421>();
  if (number < kFirstQuestion || number > kLastQuestion) return nullptr;
  return kFactories[static_cast<std::size_t>(number - kFirstQuestion)]();
}

}  // namespace k27093::questions
