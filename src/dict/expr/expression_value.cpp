#include "dict/expr/expression_value.h"

#include <cstdio>
#include <limits>

namespace rcv {
namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool IsOperandChar(char c) { return HexDigitValue(c) >= 0 || c == 'X' || c == 'S'; }

bool IsOperandText(std::string_view text) {
  for (char c : text) {
    if (!IsOperandChar(c)) return false;
  }
  return true;
}

std::int32_t ReadValueNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpaceChar(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // "0x" counts as a prefix only when a digit follows it; otherwise the "0"
  // alone is the number.
  if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
      HexDigitValue(text[i + 2]) >= 0) {
    i += 2;
  }
  // Past this magnitude every further digit keeps the value saturated.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && HexDigitValue(text[i]) >= 0; ++i) {
    magnitude = magnitude * 16 + HexDigitValue(text[i]);
    if (magnitude > kLimit) magnitude = kLimit;
  }
  if (negative) return static_cast<std::int32_t>(-magnitude);
  if (magnitude >= kLimit) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(magnitude);
}

std::string WriteValueNumber(std::int32_t value) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(static_cast<std::uint32_t>(value)));
  return digits;
}

bool IsTrueText(std::string_view text) { return !text.empty() && text.front() == kTrueMark; }

}  // namespace rcv
