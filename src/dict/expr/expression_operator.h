// The eleven two-operand operators of dictionary expressions, ranked in
// one table: a lower rank binds tighter.
#pragma once

#include <string>
#include <string_view>

namespace rcv {

inline constexpr int kNotAnOperatorRank = 255;

// 5 (# @), 10 (* /), 15 (+ -), 20 (< > =), 25 (& |), else 255.
int OperatorRank(char c);

// Applies operator `op` to the value texts `left` and `right`, leaving the
// result in `left`. Returns false when `op` is no operator or the result is
// not defined (a division by zero).
bool ApplyOperator(char op, std::string& left, const std::string& right);
// The same with the result written into `out`, which must not be either
// operand's text.
bool ApplyOperator(char op, std::string_view left, std::string_view right, std::string& out);

}  // namespace rcv
