// `k27093 check` on .xls files damaged on purpose: a copy of a committed workbook (saved by
// LibreOffice Calc in the 97-2003 format) whose chart, or whose record framing, is broken.
// A lost chart gives the check's own letters; a workbook that cannot be read, error 1004.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "readers/cfb/compound_file.h"
#include "support/compound_file_builder.h"
#include "support/run_program.h"
#include "support/temporary_folder.h"

namespace k27093 {
namespace {

using nlohmann::json;
using testsupport::ProgramResult;
using testsupport::RunProgram;
using testsupport::TemporaryFolder;

const std::string kCommand = K27093_BINARY_DIR "/k27093";
const std::string kRightAnswer = K27093_TEST_DATA "/xls/libreoffice-401-right.xls";

constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kChartSubstream = 0x0020;
constexpr std::uint16_t kBegin = 0x1033;
constexpr std::uint16_t kEnd = 0x1034;

std::uint16_t Le16At(const std::string& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                    (static_cast<unsigned char>(bytes[offset + 1]) << 8));
}

// The offset of the header of the first BEGIN record of the first chart substream.
std::optional<std::size_t> FirstChartBegin(const std::string& stream) {
  bool inChart = false;
  for (std::size_t offset = 0; offset + 4 <= stream.size();
       offset += 4 + Le16At(stream, offset + 2)) {
    const std::uint16_t type = Le16At(stream, offset);
    if (type == kBof && Le16At(stream, offset + 6) == kChartSubstream) inChart = true;
    if (inChart && type == kBegin) return offset;
  }
  return std::nullopt;
}

class DamagedXlsCheck : public ::testing::Test {
 protected:
  DamagedXlsCheck() {
    const std::string file = testsupport::ReadFileBytes(kRightAnswer);
    stream_ = *cfb::CompoundFile(file).ReadRootStream("Workbook");
    chartBegin_ = FirstChartBegin(stream_).value_or(0);
  }

  // Runs `check 401 --json` on a compound file holding `stream` as its Workbook stream.
  ProgramResult CheckWith(const std::string& stream) {
    const std::string path = folder_.Write(
        "Ventes.xls", cfb::testing::CompoundFileBuilder().Stream("Workbook", stream).Build().bytes);
    return RunProgram({kCommand, "check", "401", path, "--json"}, {{"TMPDIR", temporary_.path()}});
  }

  std::string stream_;
  std::size_t chartBegin_ = 0;
  TemporaryFolder folder_;
  TemporaryFolder temporary_;
};

TEST_F(DamagedXlsCheck, TheUndamagedStreamPasses) {
  ASSERT_NE(chartBegin_, 0u);
  const ProgramResult result = CheckWith(stream_);
  EXPECT_EQ(result.status, 0) << result.out << result.err;
  EXPECT_EQ(json::parse(result.out)["CauseErreur"], "");
}

TEST_F(DamagedXlsCheck, AChartThatCannotBeReadIsAnEmptyChartThatTheCheckFaults) {
  // The chart's first BEGIN made an END: an END without BEGIN, the record framing intact.
  std::string damaged = stream_;
  damaged.replace(chartBegin_, 2,
                  std::string{static_cast<char>(kEnd & 0xFF), static_cast<char>(kEnd >> 8)});
  const ProgramResult result = CheckWith(damaged);
  EXPECT_EQ(result.status, 1) << result.out << result.err;
  const json verdict = json::parse(result.out);
  // The chart object is there (no H); its chart, empty, is of the default type, clustered
  // columns (no A), and has none of the four series: B.
  EXPECT_EQ(verdict["ErreurGenerale"], false);
  EXPECT_EQ(verdict["CauseErreur"], "B");
}

TEST_F(DamagedXlsCheck, AChartWhoseRecordsCannotBeFramedIsError1004NamingTheFile) {
  // The chart's first BEGIN declares more bytes than the stream holds.
  std::string damaged = stream_;
  damaged.replace(chartBegin_ + 2, 2, std::string{'\xF0', '\x1F'});
  const ProgramResult result = CheckWith(damaged);
  EXPECT_EQ(result.status, 3) << result.out << result.err;
  // The check reads the working copy it made of the file, which it names.
  EXPECT_EQ(result.err.rfind("Error 1004: '", 0), 0u) << result.err;
  EXPECT_NE(result.err.find("/Ventes.xls' is damaged and cannot be opened: the record 0x1033 at "
                            "offset " +
                            std::to_string(chartBegin_) +
                            " of the stream 'Workbook' is longer than the stream."),
            std::string::npos)
      << result.err;
}

}  // namespace
}  // namespace k27093
