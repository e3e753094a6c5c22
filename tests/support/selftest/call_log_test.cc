// CallLog, the record of calls the recording doubles share, and its order check.
#include "support/call_log.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace k27093::testsupport {
namespace {

TEST(CallLog, RecordsEachCallWhenItStartsAndRunsTheWaitingActionOnceItReturned) {
  CallLog log;
  std::vector<std::string> seenByTheAction;
  log.After("outer", [&] { seenByTheAction = log.entries(); });
  const int result = log.Recorded("outer", [&] {
    log.Recorded("inner", [] {});
    return 7;
  });
  EXPECT_EQ(result, 7);
  EXPECT_EQ(log.entries(), (std::vector<std::string>{"outer", "inner"}));
  EXPECT_EQ(seenByTheAction, log.entries());  // after the inner call, not before it
  seenByTheAction.clear();
  log.Recorded("outer", [] {});
  EXPECT_TRUE(seenByTheAction.empty());  // once only
  EXPECT_EQ(log.Count("outer"), 2);
}

TEST(CallLog, ACallThatFailsIsRecordedAndRunsNoAction) {
  CallLog log;
  bool ran = false;
  log.After("failing", [&] { ran = true; });
  EXPECT_THROW(log.Recorded("failing", []() -> int { throw std::runtime_error("no"); }),
               std::runtime_error);
  EXPECT_EQ(log.entries(), (std::vector<std::string>{"failing"}));
  EXPECT_FALSE(ran);
}

TEST(CallLog, EntriesAreWrittenWithTheirArgumentsAndHandlesInHexadecimal) {
  EXPECT_EQ(CallText("files", "Rename", {"a", "b"}), "files Rename(a, b)");
  EXPECT_EQ(CallText("desktop", "SendEscapeKey"), "desktop SendEscapeKey");
  EXPECT_EQ(HandleText(0x10010), "0x00010010");
}

TEST(CallLog, AppearInOrderAcceptsOtherEntriesBetweenButNotAnotherOrder) {
  const std::vector<std::string> entries = {"a", "x", "b", "y", "c"};
  EXPECT_TRUE(AppearInOrder(entries, {"a", "b", "c"}));
  EXPECT_TRUE(AppearInOrder(entries, {}));
  EXPECT_FALSE(AppearInOrder(entries, {"b", "a"}));
  EXPECT_FALSE(AppearInOrder(entries, {"a", "a"}));
  const auto missing = AppearInOrder(entries, {"a", "z"});
  EXPECT_NE(std::string(missing.message()).find("\"z\""), std::string::npos) << missing.message();
}

}  // namespace
}  // namespace k27093::testsupport
