#include "dict/expression_operator.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "dict/expression_value.h"

namespace rcv {
namespace {

using Apply = bool (*)(std::string& left, const std::string& right);

struct OperatorRow {
  char symbol;
  int rank;
  Apply apply;
};

// Arithmetic wraps in 32 bits, so it runs on the unsigned bits.
std::uint32_t Bits(const std::string& text) { return static_cast<std::uint32_t>(ReadValueNumber(text)); }

bool WriteNumber(std::string& left, std::uint32_t bits) {
  left = WriteValueNumber(static_cast<std::int32_t>(bits));
  return true;
}

bool WriteTruth(std::string& left, bool truth) {
  left.assign(1, truth ? kTrueMark : kFalseMark);
  return true;
}

// Only the first character of the left slot changes; the rest stays.
bool WriteLogical(std::string& left, bool truth) {
  const char mark = truth ? kTrueMark : kFalseMark;
  if (left.empty()) {
    left.assign(1, mark);
  } else {
    left.front() = mark;
  }
  return true;
}

bool Divide(std::string& left, const std::string& right) {
  const std::int64_t divisor = ReadValueNumber(right);
  if (divisor == 0) return false;
  const std::int64_t quotient = std::int64_t{ReadValueNumber(left)} / divisor;  // toward zero
  return WriteNumber(left, static_cast<std::uint32_t>(quotient));
}

// Shorter text padded with leading "0"s; "X" and "S" on either side match
// any character.
bool TextsMatch(std::string_view left, std::string_view right) {
  const std::size_t width = std::max(left.size(), right.size());
  for (std::size_t i = 0; i < width; ++i) {
    const char l = i + left.size() < width ? '0' : left[i + left.size() - width];
    const char r = i + right.size() < width ? '0' : right[i + right.size() - width];
    const bool wildcard = l == 'X' || l == 'S' || r == 'X' || r == 'S';
    if (!wildcard && l != r) return false;
  }
  return true;
}

constexpr std::array<OperatorRow, 11> kOperators = {{
    {'#', 5, [](std::string& l, const std::string& r) { return WriteNumber(l, Bits(l) | Bits(r)); }},
    {'@', 5, [](std::string& l, const std::string& r) { return WriteNumber(l, Bits(l) & Bits(r)); }},
    {'*', 10, [](std::string& l, const std::string& r) { return WriteNumber(l, Bits(l) * Bits(r)); }},
    {'/', 10, Divide},
    {'+', 15, [](std::string& l, const std::string& r) { return WriteNumber(l, Bits(l) + Bits(r)); }},
    {'-', 15, [](std::string& l, const std::string& r) { return WriteNumber(l, Bits(l) - Bits(r)); }},
    {'<', 20,
     [](std::string& l, const std::string& r) { return WriteTruth(l, ReadValueNumber(l) < ReadValueNumber(r)); }},
    {'>', 20,
     [](std::string& l, const std::string& r) { return WriteTruth(l, ReadValueNumber(l) > ReadValueNumber(r)); }},
    {'=', 20, [](std::string& l, const std::string& r) { return WriteTruth(l, TextsMatch(l, r)); }},
    {'&', 25, [](std::string& l, const std::string& r) { return WriteLogical(l, IsTrueText(l) && IsTrueText(r)); }},
    {'|', 25, [](std::string& l, const std::string& r) { return WriteLogical(l, IsTrueText(l) || IsTrueText(r)); }},
}};

const OperatorRow* FindOperator(char c) {
  for (const OperatorRow& row : kOperators) {
    if (row.symbol == c) return &row;
  }
  return nullptr;
}

}  // namespace

int OperatorRank(char c) {
  // Asked for every token of every evaluation: one look in a table by
  // character.
  static const std::array<std::uint8_t, 256> kRanks = [] {
    std::array<std::uint8_t, 256> ranks{};
    ranks.fill(kNotAnOperatorRank);
    for (const OperatorRow& row : kOperators)
      ranks[static_cast<unsigned char>(row.symbol)] = static_cast<std::uint8_t>(row.rank);
    return ranks;
  }();
  return kRanks[static_cast<unsigned char>(c)];
}

bool ApplyOperator(char op, std::string& left, const std::string& right) {
  const OperatorRow* row = FindOperator(op);
  return row && row->apply(left, right);
}

}  // namespace rcv
