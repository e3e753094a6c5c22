#include "readers/ooxml/sheet_protection.h"

#include <charconv>
#include <string>

#include "readers/ooxml/base64.h"
#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

std::uint16_t LegacyHashOf(std::string_view text, const PartScope& scope) {
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (text.empty() || text.size() > 4 || error != std::errc() || end != text.data() + text.size()) {
    scope.Fail("protects a sheet with the password hash " + Quoted(text) +
               ", which is not four hexadecimal digits");
  }
  return static_cast<std::uint16_t>(value);
}

std::string Base64Attribute(pugi::xml_node element, std::string_view name, const PartScope& scope) {
  const pugi::xml_attribute attribute = PlainAttribute(element, name);
  std::optional<std::string> bytes = DecodeBase64(attribute.value());
  if (!bytes) {
    scope.Fail("protects a sheet with the " + std::string(name) + " " + Quoted(attribute.value()) +
               ", which is not base64");
  }
  return std::move(*bytes);
}

void ReadIteratedHash(pugi::xml_node element, const PartScope& scope,
                      document::PasswordHashData& password) {
  password.algorithm = PlainAttribute(element, "algorithmName").value();
  const bool hashed = static_cast<bool>(PlainAttribute(element, "hashValue"));
  if (password.algorithm.empty() && !hashed) return;
  if (password.algorithm.empty() || !hashed) {
    scope.Fail("protects a sheet with a password hash whose algorithm or value is missing");
  }
  password.hash = Base64Attribute(element, "hashValue", scope);
  password.salt = Base64Attribute(element, "saltValue", scope);
  if (password.salt.size() > kMaxSaltBytes) {
    scope.Fail("protects a sheet with a salt longer than " + std::to_string(kMaxSaltBytes) +
               " bytes");
  }
  const std::optional<std::int64_t> spins = scope.Integer(element, "spinCount");
  if (spins.value_or(0) < 0 || spins.value_or(0) > kMaxSpinCount) {
    scope.Fail("protects a sheet with a spin count beyond " + std::to_string(kMaxSpinCount));
  }
  password.spinCount = static_cast<std::uint32_t>(spins.value_or(0));
}

}  // namespace

document::SheetProtectionData ReadSheetProtection(pugi::xml_node element,
                                                  std::string_view lockAttribute,
                                                  const PartScope& scope) {
  document::SheetProtectionData protection;
  if (!element) return protection;
  protection.on = scope.Boolean(element, lockAttribute).value_or(false);
  if (const pugi::xml_attribute legacy = PlainAttribute(element, "password")) {
    protection.password.legacy = LegacyHashOf(legacy.value(), scope);
  }
  ReadIteratedHash(element, scope, protection.password);
  return protection;
}

}  // namespace k27093::ooxml
