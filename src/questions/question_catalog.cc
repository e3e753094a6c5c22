#include "questions/question_catalog.h"

#include <array>

namespace k27093::questions {

namespace {

constexpr std::string_view kVentes = "Ventes.xls";

constexpr std::array<QuestionInfo, 21> kCatalog = {{
    {401, "Question0401", "02709301.xls", kVentes},
    {402, "Question0402", "02709302.xls", kVentes},
    {403, "Question0403", "02709303.xls", kVentes},
    {404, "Question0404", "02709304.xls", kVentes},
    {405, "Question0405", "02709305.xls", kVentes},
    {406, "Question0406", "02709306.xls", kVentes},
    {407, "Question0407", "02709307.xls", kVentes},
    {408, "Question0408", "02709308.xls", kVentes},
    {409, "Question0409", "02709309.xls", kVentes},
    {410, "Question0410", "02709310.xls", kVentes},
    {411, "Question0411", "02709311.xls", kVentes},
    {412, "Question0412", "02709312.xls", kVentes},
    {413, "Question0413", "02709313.xls", kVentes},
    {414, "Question0414", "02709314.xls", kVentes},
    {415, "Question0415", "02709315.xls", kVentes},
    {416, "Question0416", "02709316.xls", kVentes},
    {417, "Question0417", "02709317.xls", kVentes},
    {418, "Question0418", "02709318.xls", kVentes},
    {419, "Question0419", "02709319.xls", kVentes},
    {420, "Question0420", "02709320.xls", kVentes},
    {421, "Question0421", "02709321.xls", "Présentation des résultats.xls"},
}};

}  // namespace

std::span<const QuestionInfo> QuestionCatalog() { return kCatalog; }

const QuestionInfo* FindQuestion(std::int32_t number) {
  if (number < kFirstQuestion || number > kLastQuestion) return nullptr;
  return &kCatalog[static_cast<std::size_t>(number - kFirstQuestion)];
}

}  // namespace k27093::questions
