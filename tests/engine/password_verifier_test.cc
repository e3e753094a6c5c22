// Passwords of sheet protection: the legacy 16-bit hash, the salted hash iterated by a named
// algorithm, and what a protection accepts, with or without a password.
#include <gtest/gtest.h>

#include <string>

#include "api/text.h"
#include "readers/ooxml/base64.h"
#include "engine/workbooks/password_verifier.h"

namespace k27093::engine {
namespace {

std::string Bytes(std::string_view base64) { return ooxml::DecodeBase64(base64).value(); }

// A published SHA-512 pair: the password "123" with this salt and 100000 spins.
const IteratedHash kPublished{
    "SHA-512",
    Bytes("RHtx1KpAYT7nBzGCTInkHrbf2wTZxP3BT4Eo8PBHPTM4KfKArJTluFvizDvo6Gn"
          "BCOO6JJu7qwKvMqnKHs7dcw=="),
    Bytes("6tC6yotbNa8JaMaDvbUgxw=="), 100000};

TEST(PasswordHash, TheLegacyHashIsTheOneOtherWritersStore) {
  // libxlsxwriter stores 83AF for "password", LibreOffice Calc daa7 for "secret".
  EXPECT_EQ(LegacyPasswordHash("password"), 0x83AF);
  EXPECT_EQ(LegacyPasswordHash("secret"), 0xDAA7);
  EXPECT_EQ(LegacyPasswordHash("test"), 0xCBEB);
  EXPECT_EQ(LegacyPasswordHash(""), 0xCE4B);
}

TEST(PasswordHash, TheLegacyHashTakesAccentedLettersAsTheirWindows1252Bytes) {
  // "é" is the byte E9, not its two UTF-8 bytes.
  EXPECT_EQ(LegacyPasswordHash("Réponse"), 0xEBBC);
}

TEST(PasswordHash, TheIteratedHashIsThePublishedOne) {
  EXPECT_EQ(IteratedPasswordHash("SHA-512", u"123", kPublished.salt, kPublished.spinCount),
            kPublished.hash);
  // Each spin counts: one fewer gives another hash.
  EXPECT_NE(IteratedPasswordHash("SHA-512", u"123", kPublished.salt, kPublished.spinCount - 1),
            kPublished.hash);
}

TEST(PasswordHash, OtherAlgorithmsHashTheSameWay) {
  // Computed independently (Python's hashlib) for the salt 00 01 ... 0F.
  std::string salt;
  for (char byte = 0; byte < 16; ++byte) salt += byte;
  EXPECT_EQ(IteratedPasswordHash("SHA-256", ToUtf16("Réponse"), salt, 10),
            Bytes("hfinKAA3szb/SoEd3m5d4bwPB3TsqRdJzSGA1EclmDQ="));
  EXPECT_EQ(IteratedPasswordHash("SHA-1", u"", salt, 1), Bytes("DhehFv5EXXgTVIiLxrsIF/IuaAo="));
  EXPECT_FALSE(IteratedPasswordHash("WHIRLPOOL", u"123", salt, 1).has_value());
  EXPECT_FALSE(IteratedPasswordHash("sha-512", u"123", salt, 1).has_value());
}

TEST(PasswordVerifier, WithoutPasswordEveryPasswordIsAccepted) {
  for (const PasswordVerifier& none : {PasswordVerifier(), PasswordVerifier::ForPassword(""),
                                       PasswordVerifier::ForHashes(std::nullopt, std::nullopt)}) {
    EXPECT_FALSE(none.required());
    EXPECT_TRUE(none.Accepts(""));
    EXPECT_TRUE(none.Accepts("n'importe"));
  }
}

TEST(PasswordVerifier, AGivenPasswordIsAcceptedExactly) {
  const PasswordVerifier verifier = PasswordVerifier::ForPassword("Secret");
  EXPECT_TRUE(verifier.required());
  EXPECT_TRUE(verifier.Accepts("Secret"));
  EXPECT_FALSE(verifier.Accepts("secret"));
  EXPECT_FALSE(verifier.Accepts(""));
}

TEST(PasswordVerifier, StoredHashesAcceptTheirPasswordOnly) {
  const PasswordVerifier legacy = PasswordVerifier::ForHashes(0xDAA7, std::nullopt);
  EXPECT_TRUE(legacy.required());
  EXPECT_TRUE(legacy.Accepts("secret"));
  EXPECT_FALSE(legacy.Accepts("Secret"));
  EXPECT_FALSE(legacy.Accepts(""));
  const PasswordVerifier iterated = PasswordVerifier::ForHashes(std::nullopt, kPublished);
  EXPECT_TRUE(iterated.Accepts("123"));
  EXPECT_FALSE(iterated.Accepts("1234"));
  EXPECT_FALSE(iterated.Accepts(""));
}

TEST(PasswordVerifier, AnIteratedHashOfTheLegacyVerifierIsAccepted) {
  // SHA-512 of the one character U+DAA7 (the legacy hash of "secret"), 1000 spins, salt 00..0F.
  std::string salt;
  for (char byte = 0; byte < 16; ++byte) salt += byte;
  const PasswordVerifier verifier = PasswordVerifier::ForHashes(
      std::nullopt,
      IteratedHash{"SHA-512",
                   Bytes("EHuyunhNdMDRtgVyLiAkL8BinTVZLnKww7GFPluOBOjnVZrqf/Kk8Lk5oUSIklPMyz0NdZj"
                         "YCnCznZt44Vo+EA=="),
                   salt, 1000});
  EXPECT_TRUE(verifier.Accepts("secret"));
  EXPECT_FALSE(verifier.Accepts("secrets"));
}

TEST(PasswordVerifier, AnUnknownAlgorithmAcceptsNoPassword) {
  const PasswordVerifier verifier =
      PasswordVerifier::ForHashes(std::nullopt, IteratedHash{"WHIRLPOOL", "x", "y", 1});
  EXPECT_TRUE(verifier.required());
  EXPECT_FALSE(verifier.Accepts(""));
  EXPECT_FALSE(verifier.Accepts("x"));
}

}  // namespace
}  // namespace k27093::engine
