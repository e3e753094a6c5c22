// FichiersDeTravail and the Fichier record, typed and late-bound.
#include "files/fichiers_de_travail.h"

#include <gtest/gtest.h>

#include "support/raised_error.h"

namespace k27093::files {
namespace {

using testsupport::RaisedNumber;

TEST(FichiersDeTravail, NewListCountsZeroAndItemOneFails) {
  FichiersDeTravail list;
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(RaisedNumber([&] { list.Item(1); }), 9);
  EXPECT_EQ(RaisedNumber([&] { list.Item(0); }), 9);
}

TEST(FichiersDeTravail, OneAddGivesBackExactlyWhatWasGiven) {
  FichiersDeTravail list;
  list.add("02709301.xls", "Ventes.xls", true);
  EXPECT_EQ(list.count(), 1);
  Fichier first = list.Item(1);
  EXPECT_EQ(first.NomSource, "02709301.xls");
  EXPECT_EQ(first.NomDest, "Ventes.xls");
  EXPECT_TRUE(first.Modele);
  EXPECT_EQ(RaisedNumber([&] { list.Item(2); }), 9);
  EXPECT_EQ(RaisedNumber([&] { list.Item(-1); }), 9);
}

TEST(FichiersDeTravail, ItemZeroIsTheNeverWrittenRecord) {
  FichiersDeTravail list;
  list.add("a.xls", "b.xls", true);
  Fichier zero = list.Item(0);
  EXPECT_EQ(zero.NomSource, "");
  EXPECT_EQ(zero.NomDest, "");
  EXPECT_FALSE(zero.Modele);
}

TEST(FichiersDeTravail, OrderOfCallsAndDuplicatesKept) {
  FichiersDeTravail list;
  list.add("1.xls", "Un.xls", false);
  list.add("2.xls", "Deux.xls", false);
  list.add("1.xls", "Un.xls", false);
  ASSERT_EQ(list.count(), 3);
  EXPECT_EQ(list.Item(1).NomDest, "Un.xls");
  EXPECT_EQ(list.Item(2).NomDest, "Deux.xls");
  EXPECT_EQ(list.Item(3).NomDest, "Un.xls");
  EXPECT_EQ(list.Item(3).NomSource, "1.xls");
}

TEST(FichiersDeTravail, ReturnedCopiesDoNotAlterTheList) {
  FichiersDeTravail list;
  list.add("a.xls", "b.xls", false);
  Fichier copy = list.Item(1);
  copy.NomDest = "changed.xls";
  copy.Modele = true;
  auto record = list.Invoke("Item", CallKind::Get, std::vector<Variant>{Variant(1)});
  SetProperty(record, "NomSource", Variant("changed.xls"));
  EXPECT_EQ(list.Item(1).NomSource, "a.xls");
  EXPECT_EQ(list.Item(1).NomDest, "b.xls");
  EXPECT_FALSE(list.Item(1).Modele);
}

TEST(FichiersDeTravail, OverflowRaises6AndLeavesTheListUnchanged) {
  FichiersDeTravail list;
  list.storage() = IndexedList<Fichier>::WithBlankEntries(2147483646);
  list.add("last.xls", "Last.xls", false);
  EXPECT_EQ(RaisedNumber([&] { list.add("more.xls", "More.xls", true); }), 6);
  EXPECT_EQ(list.count(), 2147483647);
  EXPECT_EQ(list.Item(2147483647).NomSource, "last.xls");
}

TEST(FichiersDeTravailLateBound, AddCountItemByName) {
  auto list = std::make_shared<FichiersDeTravail>();
  Variant object(list);
  CallByName(object, "add", CallKind::Method, {Variant("a.xls"), Variant("A.xls"), Variant(false)});
  CallByName(object, "ADD", CallKind::Method, {Variant("b.xls"), Variant("B.xls"), Variant(true)});
  EXPECT_EQ(CallByName(object, "count", CallKind::Method).AsLong(), 2);
  Variant second = GetProperty(object, "Item", {Variant(2)});
  EXPECT_EQ(GetProperty(second, "NomSource").AsText(), "b.xls");
  EXPECT_EQ(GetProperty(GetProperty(object, "item", {Variant(1)}), "NomDest").AsText(), "A.xls");
  EXPECT_EQ(RaisedNumber([&] { GetProperty(object, "Item", {Variant(3)}); }), 9);
  EXPECT_EQ(RaisedNumber([&] { GetProperty(object, "Items"); }), 438);
  EXPECT_EQ(RaisedNumber([&] { CallByName(object, "add", CallKind::Method, {Variant("x")}); }), 450);
}

TEST(FichierRecordLateBound, ModeleCrossesAsBoolean) {
  auto list = std::make_shared<FichiersDeTravail>();
  list->add("a.xls", "A.xls", true);
  Variant record = GetProperty(Variant(list), "Item", {Variant(1)});
  Variant modele = GetProperty(record, "Modele");
  ASSERT_EQ(modele.type(), Variant::Type::Boolean);
  EXPECT_TRUE(modele.AsBoolean());
  EXPECT_EQ(ToLong(modele), -1);
  SetProperty(record, "modele", Variant(0));
  EXPECT_FALSE(GetProperty(record, "Modele").AsBoolean());
  EXPECT_EQ(RaisedNumber([&] { GetProperty(record, "Chemin"); }), 438);
}

}  // namespace
}  // namespace k27093::files
