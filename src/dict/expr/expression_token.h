// Splitting an expression text into tokens: operators, $ terms, % terms
// and operands, each with an optional "(...)" bit-field suffix.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rcv {

// A token list has this many slots; the last one stays empty to end the
// list, so an expression holds at most kTokenSlots - 1 tokens.
inline constexpr std::size_t kTokenSlots = 32;
inline constexpr std::size_t kTokenMax = kTokenSlots - 1;

using ExpressionToken = std::string;
using TokenList = std::vector<ExpressionToken>;

// Splits `text` into `tokens` (at most kValueTextMax characters each).
// Returns false when the text holds more than kTokenMax tokens.
bool TokenizeExpression(std::string_view text, TokenList& tokens);

}  // namespace rcv
