#include "traprc/rc_pattern.h"

#include <cctype>

namespace rcv {

namespace {

constexpr std::string_view kPatternCharacters = "0123456789ABCDEFX";
constexpr std::string_view kBlanks = " \t\n";
constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr std::uint8_t kFixedNibble = 0x0F;

std::string JoinedUpperCase(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (kBlanks.find(c) == std::string_view::npos) {
      digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  return digits;
}

std::uint8_t Nibble(const ReferenceCode& bytes, std::size_t digit) {
  const std::uint8_t byte = bytes[digit / 2];
  return digit % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

void SetNibble(ReferenceCode& bytes, std::size_t digit, std::uint8_t nibble) {
  std::uint8_t& byte = bytes[digit / 2];
  byte = digit % 2 == 0 ? static_cast<std::uint8_t>((byte & 0x0F) | nibble << 4)
                        : static_cast<std::uint8_t>((byte & 0xF0) | nibble);
}

}  // namespace

RcPatternCheck ParseRcPattern(std::string_view text, RcPattern& pattern, char& badCharacter) {
  const std::string digits = JoinedUpperCase(text);
  if (digits.empty()) return RcPatternCheck::kNothing;
  const std::size_t bad = digits.find_first_not_of(kPatternCharacters);
  if (bad != std::string::npos) {
    badCharacter = digits[bad];
    return RcPatternCheck::kBadCharacter;
  }
  if (digits.size() != kRcPatternDigits) return RcPatternCheck::kBadLength;
  RcPattern parsed;
  for (std::size_t i = 0; i < kRcPatternDigits; ++i) {
    if (digits[i] == kWildcardDigit) continue;  // value and mask nibble stay 0
    SetNibble(parsed.value, i, static_cast<std::uint8_t>(kPatternCharacters.find(digits[i])));
    SetNibble(parsed.mask, i, kFixedNibble);
  }
  pattern = parsed;
  return RcPatternCheck::kOk;
}

std::string FormatRcPattern(const RcPattern& pattern) {
  std::string text;
  for (std::size_t i = 0; i < kRcPatternDigits; ++i) {
    const std::uint8_t value = Nibble(pattern.value, i);
    text += value == 0 && Nibble(pattern.mask, i) == 0 ? kWildcardDigit : kHexDigits[value];
  }
  return text;
}

std::array<std::string_view, 5> SplitRcPattern(std::string_view text) {
  std::array<std::string_view, 5> fields;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    fields[i] = text.substr(0, kRcPatternFieldWidths[i]);
    text.remove_prefix(fields[i].size());
  }
  return fields;
}

}  // namespace rcv
