// The drawing layer on its own: the shared naming counter, names restored from a file, and
// protection.
#include "engine/drawings/drawing.h"

#include <gtest/gtest.h>

#include "api/error.h"

namespace k27093::engine {
namespace {

Drawing MakeDrawing(std::shared_ptr<Protection> protection = nullptr) {
  DrawingHost host;
  host.protection = std::move(protection);
  return Drawing(Presence::Under(nullptr), std::move(host));
}

TEST(Drawing, NamesObjectsByKindWithOneCounter) {
  Drawing drawing = MakeDrawing();
  EXPECT_EQ(drawing.Add(DrawnKind::Chart, {})->name, "Chart 1");
  EXPECT_EQ(drawing.Add(DrawnKind::TextBox, {})->name, "Text Box 2");
  EXPECT_EQ(drawing.Add(DrawnKind::AutoShape, {})->name, "AutoShape 3");
  EXPECT_EQ(drawing.Add(DrawnKind::CheckBox, {})->name, "Check Box 4");
  EXPECT_EQ(drawing.ObjectsOf(DrawnKind::TextBox).size(), 1u);
}

TEST(Drawing, RestoredNamesMoveTheCounterPastTheirNumber) {
  Drawing drawing = MakeDrawing();
  drawing.Restore(DrawnKind::TextBox, "Text Box 7", {});
  drawing.Restore(DrawnKind::AutoShape, "Rectangle 3", {});
  drawing.Restore(DrawnKind::CheckBox, "Case à cocher", {});
  EXPECT_EQ(drawing.Add(DrawnKind::AutoShape, {})->name, "AutoShape 8");
}

TEST(Drawing, RemovedObjectEndsItsPresenceAndLeavesTheCounter) {
  Drawing drawing = MakeDrawing();
  auto first = drawing.Add(DrawnKind::AutoShape, {});
  auto second = drawing.Add(DrawnKind::AutoShape, {});
  drawing.Remove(*first);
  EXPECT_FALSE(first->presence->Present());
  EXPECT_EQ(drawing.ZOrderPosition(*second), 1);
  EXPECT_EQ(drawing.ZOrderPosition(*first), 0);
  EXPECT_EQ(drawing.Add(DrawnKind::AutoShape, {})->name, "AutoShape 3");
}

TEST(Drawing, ProtectedHostRefusesNewAndRemovedObjects) {
  auto protection = std::make_shared<Protection>();
  Drawing drawing = MakeDrawing(protection);
  auto shape = drawing.Add(DrawnKind::AutoShape, {});
  protection->Protect("");
  EXPECT_THROW(drawing.Add(DrawnKind::TextBox, {}), Error);
  EXPECT_THROW(drawing.Remove(*shape), Error);
  protection->Unprotect("");
  drawing.Remove(*shape);
  EXPECT_TRUE(drawing.objects().empty());
}

}  // namespace
}  // namespace k27093::engine
