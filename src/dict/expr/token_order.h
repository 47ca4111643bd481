// The ordering pass of a condition, infix to postfix: the one walk that the
// evaluator runs, and that the dictionary check follows to tell why a
// condition can't be computed.
#pragma once

#include <array>
#include <cstddef>

namespace rcv {

// The operator stack of the ordering pass has this many slots, as many as
// the value stack of the evaluation (expression_memory.h).
inline constexpr std::size_t kOperatorStackSlots = 16;

enum class TokenOrder { kOrdered, kOperatorStackFull, kStopped };

// Hands the positions of `count` tokens to `emit` in postfix order. Only one
// stacked operator leaves per arriving token, so 9-1*2+3 orders as
// 9 1 2 * 3 + -. `isOperand(i)` and `rankOf(i)` tell token i; `emit(i)`
// returns false to stop the walk there.
template <typename IsOperand, typename RankOf, typename Emit>
TokenOrder OrderTokens(std::size_t count, IsOperand isOperand, RankOf rankOf, Emit emit) {
  std::array<std::size_t, kOperatorStackSlots> stack{};
  std::size_t stacked = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (isOperand(i)) {
      if (!emit(i)) return TokenOrder::kStopped;
    } else if (stacked == 0 || rankOf(stack[stacked - 1]) > rankOf(i)) {
      if (stacked == kOperatorStackSlots) return TokenOrder::kOperatorStackFull;
      stack[stacked++] = i;
    } else {
      if (!emit(stack[stacked - 1])) return TokenOrder::kStopped;
      stack[stacked - 1] = i;
    }
  }
  while (stacked > 0) {
    if (!emit(stack[--stacked])) return TokenOrder::kStopped;
  }
  return TokenOrder::kOrdered;
}

}  // namespace rcv
