// What the expression evaluator keeps from one evaluation to the next: the
// tokens of every condition text met so far, so that a condition is
// tokenized once however often it is evaluated, the working texts of each
// nesting level, and what the interpreter works out once per parsed script.
// A dictionary owns one.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dict/expr/expression_token.h"
#include "dict/expr/script_plans.h"

namespace rcv {

// The value stack of an evaluation has this many slots.
inline constexpr std::size_t kValueStackSlots = 16;

// A token as the cache keeps it: operators and literal operands are the
// same at every evaluation (a literal's bit field taken once), $ and %
// terms are put in anew each time.
struct PreparedToken {
  ExpressionToken text;
  bool isTerm = false;  // a $ or % term
  bool isOperand = false;
};
using PreparedTokens = std::vector<PreparedToken>;

// The tokens of one evaluation: literals point into the cache, terms into
// the evaluation's own texts.
struct TokenSlots {
  std::array<const ExpressionToken*, kTokenSlots> text{};
  std::array<bool, kTokenSlots> isOperand{};
  std::array<ExpressionToken, kTokenSlots> termText;
  std::size_t count = 0;
};

// A value on the stack: an operand's token in place, or a result of its own.
struct ValueSlot {
  const std::string* token = nullptr;
  std::string own;
  std::string_view text() const { return token ? std::string_view(*token) : std::string_view(own); }
};
using ValueStack = std::array<ValueSlot, kValueStackSlots>;

// The working texts of one evaluation.
struct EvalScratch {
  TokenSlots tokens;
  ValueStack values;
  std::string result;  // an operator's result before it takes its slot
};

struct ExpressionMemory {
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
  };
  // Null for a text with too many tokens.
  std::unordered_map<std::string, std::shared_ptr<const PreparedTokens>, Hash, std::equal_to<>> tokens;
  std::vector<std::unique_ptr<EvalScratch>> pool;
  std::size_t depth = 0;  // the nesting level of the running evaluation
  ScriptPlanCache scripts;
};

}  // namespace rcv
