// Splicing $ variables into an operand: $GH with G = "1" and H = "F"
// becomes "1F", $G0 becomes G's value followed by "0".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rcv {

struct SearchContext;

// At most this many elements are taken after the "$".
inline constexpr std::size_t kDollarElementMax = 17;
// The substituted text holds at most this many characters.
inline constexpr std::size_t kDollarResultMax = 19;

// Rewrites a "$" token in place; a "(" after an element appends the rest of
// the token and applies its bit field. Returns false, leaving the token as
// it was, when it names a variable that is not defined.
bool SubstituteDollar(std::string& token, SearchContext& context);
// The same for a token that begins with "$", into `result`.
bool SubstituteDollar(std::string_view token, std::string& result, SearchContext& context);

}  // namespace rcv
