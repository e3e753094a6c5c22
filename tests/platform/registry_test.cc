#include "platform/registry.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "api/error.h"

namespace k27093::platform {
namespace {

class Thing : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Thing"; }
};

constexpr std::string_view kSpreadsheetProgId = "Excel.application.11";
constexpr std::string_view kModuleClsid = "{957FABBC-1234-4D2B-9C5E-0A1B2C3D4E5F}";

void ExpectCannotCreate(const std::function<void()>& action) {
  try {
    action();
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 429);
    EXPECT_EQ(error.description(), "ActiveX component can't create object");
    EXPECT_EQ(error.source(), "K27093");
  }
}

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    registry.RegisterClass(
        {"K27093.Module", std::string(kModuleClsid), Threading::Apartment, [this] {
           ++created;
           return std::make_shared<Thing>();
         }});
  }

  Registry registry;
  int created = 0;
};

TEST_F(RegistryTest, CreatesANewObjectByProgIdOrClsidIgnoringCase) {
  const auto first = registry.CreateObject("K27093.Module");
  const auto second = registry.CreateObject("k27093.MODULE");
  const auto third = registry.CreateObject("{957fabbc-1234-4d2b-9c5e-0a1b2c3d4e5f}");
  ASSERT_NE(first, nullptr);
  EXPECT_NE(first, second);
  EXPECT_NE(second, third);
  EXPECT_EQ(created, 3);
  EXPECT_EQ(first->TypeName(), "Thing");
}

TEST_F(RegistryTest, FindGivesTheRegistrationWithItsThreadingModel) {
  const ClassRegistration* found = registry.Find("K27093.MODULE");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->clsid, kModuleClsid);
  EXPECT_EQ(found->threading, Threading::Apartment);
  EXPECT_EQ(registry.Find(kModuleClsid), found);
  EXPECT_EQ(registry.Find("K27093.Modul"), nullptr);
  EXPECT_EQ(registry.Find(""), nullptr);
}

TEST_F(RegistryTest, RegisteringAgainReplacesAndKeepsFoundPointersValid) {
  const ClassRegistration* before = registry.Find("K27093.Module");
  for (int i = 0; i < 100; ++i) {
    registry.RegisterClass({"Other." + std::to_string(i), {}, Threading::Both, {}});
  }
  registry.RegisterClass({"k27093.module", std::string(kModuleClsid), Threading::Free, {}});
  EXPECT_EQ(registry.Find("K27093.Module"), before);
  EXPECT_EQ(before->threading, Threading::Free);
  ExpectCannotCreate([&] { registry.CreateObject("K27093.Module"); });  // no factory now
}

TEST_F(RegistryTest, UnknownClassRaises429) {
  ExpectCannotCreate([&] { registry.CreateObject(kSpreadsheetProgId); });
}

TEST_F(RegistryTest, FactoryReturningNothingOrFailingRaises429) {
  registry.RegisterClass(
      {"Empty.Class", {}, Threading::Apartment, [] { return std::shared_ptr<Dispatch>(); }});
  registry.RegisterClass(
      {"Broken.Class", {}, Threading::Apartment, []() -> std::shared_ptr<Dispatch> {
         throw std::runtime_error("out of resources");
       }});
  ExpectCannotCreate([&] { registry.CreateObject("Empty.Class"); });
  ExpectCannotCreate([&] { registry.CreateObject("Broken.Class"); });
}

TEST_F(RegistryTest, ErrorRaisedByTheFactoryPassesThrough) {
  registry.RegisterClass(
      {"Busy.Class", {}, Threading::Apartment, []() -> std::shared_ptr<Dispatch> {
         Raise(errors::kCallRejected);
       }});
  try {
    registry.CreateObject("Busy.Class");
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), errors::kCallRejected);
    EXPECT_EQ(error.description(), "Call was rejected by callee.");
  }
}

TEST_F(RegistryTest, GetObjectAttachesToTheFirstRunningObjectIgnoringCase) {
  const auto first = std::make_shared<Thing>();
  const auto second = std::make_shared<Thing>();
  registry.RegisterRunning(kSpreadsheetProgId, first);
  registry.RegisterRunning(kSpreadsheetProgId, second);
  EXPECT_EQ(registry.GetObject("EXCEL.Application.11"), first);
  EXPECT_EQ(registry.GetObject(kSpreadsheetProgId), first);
  ExpectCannotCreate([&] { registry.GetObject("Excel.application.12"); });
}

TEST_F(RegistryTest, RunningObjectsAreHeldWeakly) {
  auto first = std::make_shared<Thing>();
  const auto second = std::make_shared<Thing>();
  const std::weak_ptr<Thing> watch = first;
  registry.RegisterRunning(kSpreadsheetProgId, first);
  registry.RegisterRunning(kSpreadsheetProgId, second);
  first.reset();
  EXPECT_TRUE(watch.expired());  // the registry kept no strong reference
  EXPECT_EQ(registry.GetObject(kSpreadsheetProgId), second);
}

TEST_F(RegistryTest, GetObjectWithNoLiveObjectRaises429) {
  ExpectCannotCreate([&] { registry.GetObject(kSpreadsheetProgId); });
  auto dead = std::make_shared<Thing>();
  registry.RegisterRunning(kSpreadsheetProgId, dead);
  dead.reset();
  ExpectCannotCreate([&] { registry.GetObject(kSpreadsheetProgId); });
}

TEST_F(RegistryTest, RevokedObjectIsNoLongerRunning) {
  const auto first = std::make_shared<Thing>();
  const auto second = std::make_shared<Thing>();
  registry.RegisterRunning(kSpreadsheetProgId, first);
  registry.RegisterRunning(kSpreadsheetProgId, second);
  registry.RevokeRunning(first.get());
  EXPECT_EQ(registry.GetObject(kSpreadsheetProgId), second);
  registry.RevokeRunning(second.get());
  ExpectCannotCreate([&] { registry.GetObject(kSpreadsheetProgId); });
}

TEST_F(RegistryTest, AnObjectKeptRunningOutlivesItsClientsUntilLetGo) {
  auto kept = std::make_shared<Thing>();
  const std::weak_ptr<Thing> watch = kept;
  registry.RegisterRunning(kSpreadsheetProgId, kept);
  registry.KeepRunning(kept.get(), true);
  kept.reset();
  ASSERT_FALSE(watch.expired());
  EXPECT_EQ(registry.GetObject(kSpreadsheetProgId), watch.lock());

  registry.KeepRunning(watch.lock().get(), false);
  EXPECT_TRUE(watch.expired());
  ExpectCannotCreate([&] { registry.GetObject(kSpreadsheetProgId); });
}

TEST_F(RegistryTest, RevokingOrEndingTheRegistryLetsAKeptObjectGo) {
  auto revoked = std::make_shared<Thing>();
  const std::weak_ptr<Thing> watchRevoked = revoked;
  registry.RegisterRunning(kSpreadsheetProgId, revoked);
  registry.KeepRunning(revoked.get(), true);
  registry.RevokeRunning(std::exchange(revoked, nullptr).get());
  EXPECT_TRUE(watchRevoked.expired());

  std::weak_ptr<Thing> watchEnded;
  {
    Registry ending;
    auto object = std::make_shared<Thing>();
    watchEnded = object;
    ending.RegisterRunning(kSpreadsheetProgId, object);
    ending.KeepRunning(object.get(), true);
  }
  EXPECT_TRUE(watchEnded.expired());
}

TEST_F(RegistryTest, KeepingAnObjectThatIsNotRunningDoesNothing) {
  auto stranger = std::make_shared<Thing>();
  const std::weak_ptr<Thing> watch = stranger;
  registry.KeepRunning(stranger.get(), true);
  stranger.reset();
  EXPECT_TRUE(watch.expired());
  ExpectCannotCreate([&] { registry.GetObject(kSpreadsheetProgId); });
}

}  // namespace
}  // namespace k27093::platform
