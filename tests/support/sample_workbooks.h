// The sample workbooks of the exercises: for each exercise a workbook the learner got right
// and workbooks with a fault, each with the verdict `k27093 check` must give it. The sample
// generator writes them for `make demo`; the command's tests grade every one. Most are written
// by the fixture writer; those it cannot write (charts combining chart types, a chart's own
// shapes, check boxes) are copies of the committed workbooks of tests/data.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace k27093::testsupport {

struct SampleWorkbook {
  std::int32_t exercise = 401;
  std::string fileName;  // "Ventes - 402 réussi.xlsx"
  // The verdict as `k27093 check` prints it after the exercise number: "pass", "fault H",
  // "general fault G".
  std::string verdict;
  // The learner's complementary texts that go with the verdict.
  std::vector<std::string> complements;
  // Writes the workbook to a path; throws std::runtime_error when the writer fails.
  std::function<void(const std::string& path)> write;
  // Options `k27093 check` is given besides the exercise and the file ("--printer", "PDF").
  std::vector<std::string> checkOptions{};
};

// Every sample, in exercise order; the first is the workbook of 401-420 as handed out.
const std::vector<SampleWorkbook>& SampleWorkbooks();

}  // namespace k27093::testsupport
