// The numbered selection prompt of the MARLOG screens.
#pragma once

#include <cstdint>
#include <string_view>

#include "shell/console.h"

namespace rcv {

// What InputNumberInRange returns when the engineer quits.
inline constexpr std::uint32_t kNumberQuit = 0xFFFF;

// Asks until a number from lower to upper is typed. An answer beginning
// with q or Q, an empty answer and the end of input quit.
std::uint32_t InputNumberInRange(Console& console, std::uint32_t lower, std::uint32_t upper, std::string_view prompt);

}  // namespace rcv
