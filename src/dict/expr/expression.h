// Conditions and computed values of dictionary statements: a short infix
// text of hexadecimal operands, $ and % terms and one-character operators,
// evaluated against the stores of the running lookup.
#pragma once

#include <cstdint>
#include <string_view>

#include "dict/expr/bit_field.h"
#include "dict/expr/dollar_substitution.h"
#include "dict/expr/expression_memory.h"
#include "dict/expr/expression_operator.h"
#include "dict/expr/expression_value.h"
#include "dict/expr/token_order.h"

namespace rcv {

struct SearchContext;

// 1 when the final value is true ("T"), otherwise the final value read as a
// number. 0 for an empty text, for more than 31 tokens, for an undefined $
// variable, and for an expression that can't be computed (an operator
// without two values beneath it, more values than the stack holds, a
// division by zero).
std::int32_t EvalExpression(std::string_view text, SearchContext& context);

}  // namespace rcv
