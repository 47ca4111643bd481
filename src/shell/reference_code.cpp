#include "shell/reference_code.h"

#include <cstdio>

namespace rcv {

namespace {

void AppendHexByte(std::string& text, std::uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  text += kDigits[byte >> 4];
  text += kDigits[byte & 0x0F];
}

}  // namespace

std::string FormatReferenceCode(std::span<const std::uint8_t, kReferenceCodeSize> rc) {
  // Grouped as RtEn, UnitID, Event code, Failure code, Additional code.
  static constexpr std::array<std::size_t, 5> kGroupEnds = {1, 3, 4, 8, 12};
  std::string text;
  std::size_t group = 0;
  for (std::size_t i = 0; i < rc.size(); ++i) {
    if (i == kGroupEnds[group]) {
      text += ' ';
      ++group;
    }
    AppendHexByte(text, rc[i]);
  }
  return text;
}

std::string FormatRcKey(std::span<const std::uint8_t, kRcKeySize> key) {
  std::string text;
  for (std::uint8_t byte : key) AppendHexByte(text, byte);
  return text;
}

}  // namespace rcv
