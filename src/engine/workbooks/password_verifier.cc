#include "engine/workbooks/password_verifier.h"

#include <openssl/evp.h>

#include <array>
#include <memory>
#include <utility>

#include "api/text.h"

namespace k27093::engine {

namespace {

// The file format's algorithm names and the digests that implement them.
constexpr std::array<std::pair<std::string_view, const char*>, 6> kDigestNames = {{
    {"SHA-512", "SHA512"},
    {"SHA-384", "SHA384"},
    {"SHA-256", "SHA256"},
    {"SHA-1", "SHA1"},
    {"MD5", "MD5"},
    {"RIPEMD-160", "RIPEMD160"},
}};

const EVP_MD* DigestOf(std::string_view algorithm) {
  for (const auto& [name, digest] : kDigestNames) {
    if (name == algorithm) return EVP_get_digestbyname(digest);
  }
  return nullptr;
}

using DigestContext = std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)>;

// H(first + second) into `out`; false when the digest fails.
bool Digest(EVP_MD_CTX* context, const EVP_MD* digest, std::string_view first,
            std::string_view second, std::string& out) {
  std::array<unsigned char, EVP_MAX_MD_SIZE> buffer{};
  unsigned int size = 0;
  if (EVP_DigestInit_ex(context, digest, nullptr) != 1 ||
      EVP_DigestUpdate(context, first.data(), first.size()) != 1 ||
      EVP_DigestUpdate(context, second.data(), second.size()) != 1 ||
      EVP_DigestFinal_ex(context, buffer.data(), &size) != 1) {
    return false;
  }
  out.assign(reinterpret_cast<const char*>(buffer.data()), size);
  return true;
}

std::string LittleEndian(std::u16string_view text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

std::string LittleEndian32(std::uint32_t value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
          static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
}

std::uint16_t Rotated(std::uint16_t hash) {
  return static_cast<std::uint16_t>(((hash >> 14) & 0x01) | ((hash << 1) & 0x7FFF));
}

}  // namespace

PasswordVerifier PasswordVerifier::ForPassword(std::string_view password) {
  PasswordVerifier verifier;
  if (!password.empty()) verifier.password_ = std::string(password);
  return verifier;
}

PasswordVerifier PasswordVerifier::ForHashes(std::optional<std::uint16_t> legacy,
                                             std::optional<IteratedHash> iterated) {
  PasswordVerifier verifier;
  verifier.legacy_ = legacy;
  verifier.iterated_ = std::move(iterated);
  return verifier;
}

bool PasswordVerifier::required() const {
  return password_.has_value() || legacy_.has_value() || iterated_.has_value();
}

bool PasswordVerifier::Accepts(std::string_view password) const {
  if (!required()) return true;
  if (password_ && *password_ == password) return true;
  if (legacy_ && *legacy_ == LegacyPasswordHash(password)) return true;
  if (!iterated_ || password.empty()) return false;
  const auto matches = [&](std::u16string_view text) {
    return IteratedPasswordHash(iterated_->algorithm, text, iterated_->salt,
                                iterated_->spinCount) == iterated_->hash;
  };
  // The spreadsheet may have hashed the password's legacy verifier taken as one character.
  const std::u16string verifier(1, static_cast<char16_t>(LegacyPasswordHash(password)));
  return matches(ToUtf16(password)) || matches(verifier);
}

std::uint16_t LegacyPasswordHash(std::string_view password) {
  const std::string bytes = ToWindows1252(password);
  std::uint16_t hash = 0;
  for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
    hash = static_cast<std::uint16_t>(Rotated(hash) ^ static_cast<unsigned char>(*byte));
  }
  hash = static_cast<std::uint16_t>(Rotated(hash) ^ (bytes.size() & 0x7FFF));
  return static_cast<std::uint16_t>(hash ^ 0xCE4B);
}

std::optional<std::string> IteratedPasswordHash(std::string_view algorithm,
                                                std::u16string_view password, std::string_view salt,
                                                std::uint32_t spinCount) {
  const EVP_MD* digest = DigestOf(algorithm);
  const DigestContext context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
  if (digest == nullptr || !context) return std::nullopt;
  std::string hash;
  if (!Digest(context.get(), digest, salt, LittleEndian(password), hash)) return std::nullopt;
  for (std::uint32_t iteration = 0; iteration < spinCount; ++iteration) {
    const std::string previous = std::move(hash);
    if (!Digest(context.get(), digest, previous, LittleEndian32(iteration), hash)) {
      return std::nullopt;
    }
  }
  return hash;
}

}  // namespace k27093::engine
