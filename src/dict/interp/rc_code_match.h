// RC-CODE: matching the RC text against a pattern that may capture RC
// characters into $ variables.
#pragma once

#include <string_view>

namespace rcv {

struct SearchContext;

// 0 when the RC text matches the pattern, -1 otherwise. Blanks are skipped on
// both sides; 'G' to 'Z' capture one character into that one-letter
// variable; a lower-case letter and the pattern character after it name a
// two-character variable that captures one character; matching ends with
// success as soon as either text ends.
int MatchRcCode(std::string_view rcText, std::string_view pattern, SearchContext& context);

}  // namespace rcv
