// The JSON that `k27093 inspect FILE --json` prints for a workbook file, for the command's
// tests; a failing run is a test failure, named with the file.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "support/run_program.h"

namespace k27093::testsupport {

inline nlohmann::json InspectJson(const std::string& path) {
  const ProgramResult result = RunProgram({K27093_BINARY_DIR "/k27093", "inspect", path, "--json"});
  EXPECT_EQ(result.status, 0) << path << ": " << result.out << result.err;
  return nlohmann::json::parse(result.out);
}

}  // namespace k27093::testsupport
