// RunProgram: what a child process printed, its exit status and what it cost.
#include <gtest/gtest.h>

#include "support/run_program.h"

namespace k27093::testsupport {
namespace {

TEST(RunProgram, ReportsTheStatusOutputAndErrorsOfTheChild) {
  const ProgramResult result =
      RunProgram({"/bin/sh", "-c", "echo dehors; echo erreur >&2; exit 3"});
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.out, "dehors\n");
  EXPECT_EQ(result.err, "erreur\n");
}

TEST(RunProgram, AccountsTheChildsPeakMemoryAndProcessorTime) {
  // The shell holds a text of 40 MB and counts its characters a few times.
  const ProgramResult result =
      RunProgram({"/bin/sh", "-c",
                  "x=$(head -c 40000000 /dev/zero | tr '\\0' a); for i in 1 2 3; do y=${#x}; done; "
                  "echo $y"});
  EXPECT_EQ(result.out, "40000000\n");
  EXPECT_GT(result.peakMemoryKiB, 40000);
  EXPECT_LT(result.peakMemoryKiB, 1000000);
  EXPECT_GT(result.cpuSeconds, 0.001);
}

}  // namespace
}  // namespace k27093::testsupport
