// The eleven two-operand operators of dictionary expressions, ranked in
// one table: a lower rank binds tighter.
#pragma once

#include <string>

namespace rcv {

inline constexpr int kNotAnOperatorRank = 255;

// 5 (# @), 10 (* /), 15 (+ -), 20 (< > =), 25 (& |), else 255.
int OperatorRank(char c);

// Applies operator `op` to the value texts `left` and `right`, leaving the
// result in `left`. Returns false when `op` is no operator or the result is
// not defined (a division by zero).
bool ApplyOperator(char op, std::string& left, const std::string& right);

}  // namespace rcv
