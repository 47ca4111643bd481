#include "dict/expr/expression_operator.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "dict/expr/expression_value.h"

namespace rcv {
namespace {

// Each operator reads its two value texts and writes the result into `out`.
using Apply = bool (*)(std::string_view left, std::string_view right, std::string& out);

struct OperatorRow {
  char symbol;
  int rank;
  Apply apply;
};

// Arithmetic wraps in 32 bits, so it runs on the unsigned bits.
std::uint32_t Bits(std::string_view text) { return static_cast<std::uint32_t>(ReadValueNumber(text)); }

bool WriteNumber(std::string& out, std::uint32_t bits) {
  out = WriteValueNumber(static_cast<std::int32_t>(bits));
  return true;
}

bool WriteTruth(std::string& out, bool truth) {
  out.assign(1, truth ? kTrueMark : kFalseMark);
  return true;
}

// Only the first character of the left value changes; the rest stays.
bool WriteLogical(std::string_view left, std::string& out, bool truth) {
  const char mark = truth ? kTrueMark : kFalseMark;
  out.assign(left);
  if (out.empty()) {
    out.assign(1, mark);
  } else {
    out.front() = mark;
  }
  return true;
}

bool Divide(std::string_view left, std::string_view right, std::string& out) {
  const std::int64_t divisor = ReadValueNumber(right);
  if (divisor == 0) return false;
  const std::int64_t quotient = std::int64_t{ReadValueNumber(left)} / divisor;  // toward zero
  return WriteNumber(out, static_cast<std::uint32_t>(quotient));
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

using View = std::string_view;

constexpr std::array<OperatorRow, 11> kOperators = {{
    {'#', 5, [](View l, View r, std::string& out) { return WriteNumber(out, Bits(l) | Bits(r)); }},
    {'@', 5, [](View l, View r, std::string& out) { return WriteNumber(out, Bits(l) & Bits(r)); }},
    {'*', 10, [](View l, View r, std::string& out) { return WriteNumber(out, Bits(l) * Bits(r)); }},
    {'/', 10, Divide},
    {'+', 15, [](View l, View r, std::string& out) { return WriteNumber(out, Bits(l) + Bits(r)); }},
    {'-', 15, [](View l, View r, std::string& out) { return WriteNumber(out, Bits(l) - Bits(r)); }},
    {'<', 20,
     [](View l, View r, std::string& out) { return WriteTruth(out, ReadValueNumber(l) < ReadValueNumber(r)); }},
    {'>', 20,
     [](View l, View r, std::string& out) { return WriteTruth(out, ReadValueNumber(l) > ReadValueNumber(r)); }},
    {'=', 20, [](View l, View r, std::string& out) { return WriteTruth(out, TextsMatch(l, r)); }},
    {'&', 25, [](View l, View r, std::string& out) { return WriteLogical(l, out, IsTrueText(l) && IsTrueText(r)); }},
    {'|', 25, [](View l, View r, std::string& out) { return WriteLogical(l, out, IsTrueText(l) || IsTrueText(r)); }},
}};

const OperatorRow* FindOperator(char c) {
  // Asked for every operator of every evaluation: one look by character.
  static const std::array<const OperatorRow*, 256> kByChar = [] {
    std::array<const OperatorRow*, 256> rows{};
    for (const OperatorRow& row : kOperators) rows[static_cast<unsigned char>(row.symbol)] = &row;
    return rows;
  }();
  return kByChar[static_cast<unsigned char>(c)];
}

}  // namespace

int OperatorRank(char c) {
  const OperatorRow* row = FindOperator(c);
  return row ? row->rank : kNotAnOperatorRank;
}

bool ApplyOperator(char op, std::string_view left, std::string_view right, std::string& out) {
  const OperatorRow* row = FindOperator(op);
  return row && row->apply(left, right, out);
}

bool ApplyOperator(char op, std::string& left, const std::string& right) {
  std::string out;
  if (!ApplyOperator(op, left, right, out)) return false;
  left = std::move(out);
  return true;
}

}  // namespace rcv
