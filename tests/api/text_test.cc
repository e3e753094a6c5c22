// Text helpers: characters, not bytes; Unicode case mapping; the platform's 8- and 16-bit
// strings.
#include "api/text.h"

#include <gtest/gtest.h>

#include <string>

namespace k27093 {
namespace {

TEST(CaseMapping, LowerCasesAccentedCapitals) {
  EXPECT_EQ(LowerCase("Année N"), "année n");
  EXPECT_EQ(LowerCase("RÉPONSES"), "réponses");
  EXPECT_EQ(LowerCase("ÇÀÈÙÎÔË"), "çàèùîôë");
  EXPECT_EQ(UpperCase("réponses"), "RÉPONSES");
  EXPECT_EQ(LowerCase(""), "");
}

TEST(CaseMapping, PlainAsciiTextMapsAsTheFullRulesMapIt) {
  // Every ASCII character, compared with the same text carrying one accented letter, which
  // takes the full Unicode rules: the ASCII part must come out the same either way.
  std::string ascii;
  for (int c = 1; c < 0x80; ++c) ascii += static_cast<char>(c);
  EXPECT_EQ(LowerCase(ascii) + "é", LowerCase(ascii + "É"));
  EXPECT_EQ(UpperCase(ascii) + "É", UpperCase(ascii + "é"));
  EXPECT_TRUE(EqualsIgnoringCase("Module1.ChangeRep", "MODULE1.changerep"));
  EXPECT_FALSE(EqualsIgnoringCase("Feuil1", "Feuil2"));
  EXPECT_FALSE(EqualsIgnoringCase("Feuil", "Feuil1"));
  EXPECT_FALSE(EqualsIgnoringCase("[", "{"));  // 0x5B and 0x7B differ by the case bit only
}

TEST(CaseMapping, AsciiLowerLeavesOtherLettersAlone) {
  EXPECT_EQ(AsciiLower("NomDest É"), "nomdest É");
}

TEST(CaseMapping, EqualityIgnoringCaseCoversAccents) {
  EXPECT_TRUE(EqualsIgnoringCase("ÉTÉ", "été"));
  EXPECT_FALSE(EqualsIgnoringCase("ete", "été"));
}

TEST(CharacterCounting, CountsCodePointsNotBytes) {
  EXPECT_EQ(CharCount("Année"), 5u);
  EXPECT_EQ(CharCount("€"), 1u);
  EXPECT_EQ(CharCount(""), 0u);
}

TEST(CharacterSlices, LeftRightMidCountCharacters) {
  EXPECT_EQ(LeftChars("Année", 3), "Ann");
  EXPECT_EQ(LeftChars("éèà", 2), "éè");
  EXPECT_EQ(RightChars("Année", 2), "ée");
  EXPECT_EQ(RightChars("Année", 9), "Année");
  EXPECT_EQ(LeftChars("Année", 9), "Année");
  EXPECT_EQ(MidChars("Année N", 4, 2), "ée");
  EXPECT_EQ(MidChars("Année N", 4), "ée N");
  EXPECT_EQ(MidChars("Année", 6), "");
  EXPECT_EQ(MidChars("Année", 5, 9), "e");
}

TEST(Trimming, RemovesOnlySurroundingSpaces) {
  EXPECT_EQ(Trim("  Ventes  2004 "), "Ventes  2004");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\tx"), "\tx");
}

TEST(PlatformStrings, Utf16RoundTrip) {
  std::u16string wide = ToUtf16("Année €");
  EXPECT_EQ(wide, u"Année €");
  EXPECT_EQ(FromUtf16(wide), "Année €");
}

TEST(PlatformStrings, Windows1252BothWays) {
  EXPECT_EQ(FromWindows1252("Mod\xE8les \x80"), "Modèles €");
  EXPECT_EQ(ToWindows1252("Modèles €"), "Mod\xE8les \x80");
  EXPECT_EQ(FromWindows1252("\x92\x9C"), "’œ");
  EXPECT_EQ(ToWindows1252("日"), "?");
}

}  // namespace
}  // namespace k27093
