#include "rclog/rc_input.h"

#include <string>

#include "shell/console.h"

namespace rcv {

namespace {

std::uint8_t HexDigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return static_cast<std::uint8_t>(digit - '0');
  if (digit >= 'a' && digit <= 'f') return static_cast<std::uint8_t>(digit - 'a' + 10);
  if (digit >= 'A' && digit <= 'F') return static_cast<std::uint8_t>(digit - 'A' + 10);
  return 0;
}

std::string WithoutBlanks(std::string_view answer) {
  std::string digits;
  for (char c : answer) {
    if (c != ' ' && c != '\n') digits += c;
  }
  return digits;
}

}  // namespace

std::uint8_t HexPairToByte(char high, char low) {
  return static_cast<std::uint8_t>(HexDigitValue(high) << 4 | HexDigitValue(low));
}

RcInputCheck ParseRcInput(std::string_view answer, ReferenceCode& rc) {
  const std::string digits = WithoutBlanks(answer);
  if (digits.size() != kRcDigits) return RcInputCheck::kBadLength;
  if (IsHexString(digits) != 0) return RcInputCheck::kBadCharacter;
  for (std::size_t i = 0; i < kReferenceCodeSize; ++i) rc[i] = HexPairToByte(digits[2 * i], digits[2 * i + 1]);
  return RcInputCheck::kOk;
}

}  // namespace rcv
