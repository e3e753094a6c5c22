// k27093: the command-line client. Parses the command line and hands over to the commands of
// src/cli; exit statuses are those of cli/commands.h.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "cli/private_folder.h"
#include "cli/signal_cleanup.h"

int main(int argc, char** argv) {
  using namespace k27093::client;
  InstallSignalCleanup();
  RemoveStalePrivateFolders();
  CLI::App app{"Grades and inspects the workbooks of the chart exercises 401 to 421.", "k27093"};
  app.require_subcommand(1);

  CLI::App* exercises =
      app.add_subcommand("exercises", "List the exercises with their model and working files");

  InspectRequest inspect;
  CLI::App* inspectCommand =
      app.add_subcommand("inspect", "Print what the spreadsheet's object model sees in a workbook");
  inspectCommand->add_option("WORKBOOK", inspect.workbook, "The workbook file (never changed)")
      ->required();
  inspectCommand->add_flag("--json", inspect.json, "Print JSON instead of text");

  CheckRequest check;
  CLI::App* checkCommand = app.add_subcommand(
      "check",
      "Grade learners' workbooks for an exercise (exit 0 pass, 1 fault, 2 general fault, 3 "
      "error; for several workbooks the worst of them)");
  checkCommand->add_option("EXERCISE", check.exercise, "The exercise number, 401 to 421")
      ->required();
  checkCommand->add_option("WORKBOOK", check.workbooks,
                           "The learner's workbooks (never changed); several make a batch");
  checkCommand->add_option("--files-from", check.filesFrom,
                           "A batch: read more workbooks from this file, one path a line ('-': "
                           "standard input)");
  checkCommand->add_option("--printer", check.printer,
                           "The spreadsheet's printer (without it the machine has none)");
  checkCommand->add_flag("--json", check.json, "Print one workbook's verdict as JSON");
  checkCommand->add_flag("--jsonl", check.jsonl,
                         "A batch: one JSON object per workbook, then a summary object");
  checkCommand->add_option("--jobs", check.jobs, "A batch: grade on N workers at once")
      ->check(CLI::Range(1, 256));
  checkCommand->add_option("--lang", check.language, "The explanations' language")
      ->check(CLI::IsMember({"fr", "en"}));
  check.progress = isatty(STDERR_FILENO) != 0;

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& failure) {
    // Help requests print the help and succeed; every other parse failure is bad usage.
    return app.exit(failure) == 0 ? kExitSuccess : kExitUsage;
  }
  int status = kExitUsage;
  if (exercises->parsed()) status = RunExercisesCommand(std::cout);
  if (inspectCommand->parsed()) status = RunInspectCommand(inspect, std::cout, std::cerr);
  if (checkCommand->parsed()) status = RunCheckCommand(check, std::cout, std::cerr, std::cin);
  // What was printed must have reached its reader: a result nobody can read is no success.
  if (!std::cout.flush()) {
    std::cerr << "k27093: the output could not be written (" << std::strerror(errno) << ")\n";
    return kExitOutput;
  }
  return status;
}
