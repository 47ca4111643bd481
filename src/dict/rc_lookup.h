// The one operation the screens name RCs through.
#pragma once

#include <cstdint>
#include <span>

#include "dict/rc_info.h"
#include "shell/reference_code.h"

namespace rcv {

inline constexpr int kRcScriptOpenFailed = -2;
inline constexpr int kRcNotInDictionary = -3;

// Runs the dictionary for the RC's leading 8 bytes and fills `info` (which
// the caller clears). Returns the number of FRU rows stored (0 to 6), -2
// when a dictionary script can't be opened, -3 when the RC has no entry.
int GetRcInfo(std::span<const std::uint8_t, kRcKeySize> rc, RcInfo& info);

}  // namespace rcv
