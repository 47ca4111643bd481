// Brace terms in dictionary texts: "{%UNIT}" becomes the first %UNIT value,
// "{GH}" the captured digits G and H, "{GH+1}" a computed number.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dict/state/expansion_budget.h"

namespace rcv {

struct SearchContext;

// The expanded text holds at most this many characters.
inline constexpr std::size_t kExpandedTextMax = 1023;
// A term name between "{" and "}" holds at most this many characters.
inline constexpr std::size_t kBraceTermNameMax = 39;
// Expands the brace terms of `text` in place. Past the nesting limit or the
// budget of expansion_budget.h terms are copied as they stand. Returns the new length, or
// the old length when the text holds no "{" (it is then left as it was).
int ExpandBraces(std::string& text, SearchContext& context);

// The text for one brace term that doesn't name a placeholder: variables
// put in, and, unless the result is a plain operand, evaluated as an
// expression and written in upper-case hexadecimal.
std::string ExpandBraceTerm(std::string_view term, SearchContext& context);

}  // namespace rcv
