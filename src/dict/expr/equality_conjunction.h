// Conditions that only test $ terms for equality with constants, joined by
// "&" ($IJ = 01 & $MN = 0A): the rows of large REC tables and IFDEF chains.
// Such a condition does nothing but yield its value, and while every term
// reads as plain digits that value follows from the terms' values alone, so
// a run of them can be searched by hash instead of one by one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rcv {

struct SearchContext;

struct EqualityTest {
  std::string term;      // the $ token as the evaluator reads it
  std::string constant;  // the constant with its leading zeros dropped
};
using EqualityConjunction = std::vector<EqualityTest>;

// The tests of the condition when the evaluator's own tokens have that form
// (a $ term and a constant without wildcards on either side of each "="),
// else nothing.
std::optional<EqualityConjunction> ReadEqualityConjunction(std::string_view condition);

// The equality test pads the shorter text with leading zeros; without
// wildcards two texts are equal exactly when they are equal once their
// leading zeros are dropped.
std::string_view WithoutLeadingZeros(std::string_view text);

// A term's value as the evaluator substitutes it, when the hash can stand
// for the evaluator: nothing when the term names an undefined variable (the
// condition is then false); `plain` false when the value is empty, holds a
// wildcard or is no operand text, which change how the condition reads.
struct TermValue {
  std::optional<std::string> value;
  bool plain = true;
};
TermValue ReadTermValue(std::string_view term, SearchContext& context);

}  // namespace rcv
