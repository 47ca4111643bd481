// What the MARLOG screen needs to find its files: how many index rows it
// holds, the MAR directory and the call-reason table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace rcv {

// MAR_STACK_MAX is read into an 8-byte value buffer.
inline constexpr std::size_t kMarStackMaxValueSize = 8;

struct MarConfig {
  std::uint32_t stackMax = 0;
  std::string marDir;  // DataRoot/Log/VRK/mar/, with the trailing '/'
  std::string callReasonPath;
};

// 1 when MAR_STACK_MAX of [MAG] gives room for at least one row, else -1
// after saying why on `out`.
int LoadMarConfig(std::ostream& out, MarConfig& config);

}  // namespace rcv
