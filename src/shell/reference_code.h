// The 12-byte reference code: RtEn (1), UnitID (2), Event code (1),
// Failure code (4), Additional code (4).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace rcv {

inline constexpr std::size_t kReferenceCodeSize = 12;
// The dictionary is keyed by the leading bytes only.
inline constexpr std::size_t kRcKeySize = 8;

using ReferenceCode = std::array<std::uint8_t, kReferenceCodeSize>;

// "%02X %02X%02X %02X %02X%02X%02X%02X %02X%02X%02X%02X"
std::string FormatReferenceCode(std::span<const std::uint8_t, kReferenceCodeSize> rc);
// The leading 8 bytes as 16 upper-case hexadecimal digits.
std::string FormatRcKey(std::span<const std::uint8_t, kRcKeySize> key);

}  // namespace rcv
