// k27093-examples FOLDER: writes the sample exercise workbooks into FOLDER (created when
// missing): for each exercise one the learner got right and some with a fault, and the
// workbook of exercise 421 as handed out (without its check boxes). One line per graded
// sample on standard output, tab-separated: the exercise, the verdict `k27093 check` must
// give ("pass", "fault H", "general fault G"), the path, then the options the check is given
// besides them ("--printer<TAB>PDF"), if any; then the line "421<TAB>handed out<TAB>PATH".
// Exit status 0, 64 for bad usage, 1 when a file cannot be written.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "support/sample_workbooks.h"
#include "support/workbook_fixtures.h"

int main(int argc, char** argv) {
  using namespace k27093::testsupport;
  if (argc != 2) {
    std::cerr << "usage: k27093-examples FOLDER\n";
    return 64;
  }
  try {
    std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    for (const SampleWorkbook& sample : SampleWorkbooks()) {
      std::string path = (folder / sample.fileName).string();
      sample.write(path);
      std::cout << sample.exercise << '\t' << sample.verdict << '\t' << path;
      for (const std::string& option : sample.checkOptions) std::cout << '\t' << option;
      std::cout << '\n';
    }
    std::string presentation = (folder / "Présentation des résultats.xlsx").string();
    WritePresentationWorkbook(presentation);
    std::cout << "421\thanded out\t" << presentation << '\n';
  } catch (const std::exception& failure) {
    std::cerr << "k27093-examples: " << failure.what() << '\n';
    return 1;
  }
  return 0;
}
