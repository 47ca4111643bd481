#include "dict/expr/bit_field.h"

#include <cstdint>
#include <limits>
#include <string_view>

#include "dict/expr/expression_value.h"

namespace rcv {
namespace {

// Only the last two written digits can yield a set bit.
constexpr std::int64_t kSelectableBits = 8;
// R doubles per position in 32 bits, so only the last 32 positions of a
// selection can still show in it.
constexpr std::int64_t kResultBits = 32;

// Decimal like atoi, saturated at the limits of int.
std::int64_t ReadDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpaceChar(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr std::int64_t kLimit = std::numeric_limits<int>::max();
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kLimit) value = kLimit;
  }
  return negative ? -value : value;
}

std::uint32_t SelectBits(std::int32_t value, std::int64_t width, std::int64_t first, std::int64_t last) {
  if (last - first + 1 > kResultBits) first = last - kResultBits + 1;
  std::uint32_t result = 0;
  for (std::int64_t position = first; position <= last; ++position) {
    const std::int64_t shift = width - position - 1;
    const bool set = shift >= 0 && shift < kSelectableBits && ((value >> shift) & 1) != 0;
    result = (result << 1) | (set ? 1U : 0U);
  }
  return result;
}

}  // namespace

void ExtractBits(std::string& token) {
  if (token.empty() || !IsOperandChar(token.front())) return;
  const std::size_t open = token.find('(');
  if (open == std::string::npos) return;

  std::string_view selection = std::string_view(token).substr(open + 1);
  if (!selection.empty() && selection.back() == ')') selection.remove_suffix(1);
  const std::int64_t first = ReadDecimal(selection);
  const std::size_t dash = selection.find('-');
  const std::int64_t last = dash == std::string_view::npos ? first : ReadDecimal(selection.substr(dash + 1));

  token.resize(open);
  const std::int32_t value = ReadValueNumber(token);
  if (value == 0) return;
  const std::int64_t width = 4 * static_cast<std::int64_t>(token.size());
  token = WriteValueNumber(static_cast<std::int32_t>(SelectBits(value, width, first, last)));
}

}  // namespace rcv
