// Little-endian field access for the binary logs. Every decoder reads its
// numbers through these helpers at named offsets; a field that would reach
// past the end of the bytes reads as zero and is never written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace rcv {

inline bool FieldFits(std::size_t size, std::size_t offset, std::size_t width) {
  return offset <= size && width <= size - offset;
}

inline std::uint8_t ReadU8(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return FieldFits(bytes.size(), offset, 1) ? bytes[offset] : 0;
}

inline std::uint16_t ReadLe16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (!FieldFits(bytes.size(), offset, 2)) return 0;
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline std::uint32_t ReadLe32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (!FieldFits(bytes.size(), offset, 4)) return 0;
  std::uint32_t value = 0;
  for (std::size_t i = 4; i-- > 0;) value = (value << 8) | bytes[offset + i];
  return value;
}

inline void WriteU8(std::span<std::uint8_t> bytes, std::size_t offset, std::uint8_t value) {
  if (FieldFits(bytes.size(), offset, 1)) bytes[offset] = value;
}

inline void WriteLe16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
  if (!FieldFits(bytes.size(), offset, 2)) return;
  bytes[offset] = static_cast<std::uint8_t>(value);
  bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void WriteLe32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
  if (!FieldFits(bytes.size(), offset, 4)) return;
  for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace rcv
