// Little-endian integers of the binary structures the readers meet (the compound file, the zip
// container), read from a byte range the caller has already checked is long enough.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace k27093::document {

inline std::uint8_t ByteAt(std::string_view bytes, std::size_t offset) {
  return static_cast<std::uint8_t>(bytes[offset]);
}

inline std::uint16_t Uint16At(std::string_view bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(ByteAt(bytes, offset) | (ByteAt(bytes, offset + 1) << 8));
}

inline std::uint32_t Uint32At(std::string_view bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(Uint16At(bytes, offset)) |
         (static_cast<std::uint32_t>(Uint16At(bytes, offset + 2)) << 16);
}

inline std::uint64_t Uint64At(std::string_view bytes, std::size_t offset) {
  return static_cast<std::uint64_t>(Uint32At(bytes, offset)) |
         (static_cast<std::uint64_t>(Uint32At(bytes, offset + 4)) << 32);
}

}  // namespace k27093::document
