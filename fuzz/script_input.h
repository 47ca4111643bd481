// How the fuzzers of a dictionary run read their input: the first byte
// picks the run mode bits, the bytes up to the first "\n" are the RC text
// (at most 40 of them), the rest is the script.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "dict/state/run_mode.h"
#include "dict/state/script_output.h"

namespace rcv::fuzz {

inline constexpr std::size_t kRcTextMax = 40;

struct ScriptInput {
  RunMode mode = 0;
  std::string rcText;
  std::string_view script;
};

inline ScriptInput SplitScriptInput(std::string_view input) {
  ScriptInput parts;
  if (input.empty()) return parts;
  parts.mode = static_cast<unsigned char>(input[0]) & 0x0F;
  const std::string_view rest = input.substr(1);
  const std::size_t newline = rest.find('\n');
  parts.rcText = std::string(rest.substr(0, std::min(newline, kRcTextMax)));
  if (newline != std::string_view::npos) parts.script = rest.substr(newline + 1);
  return parts;
}

// A run's result and output never exceed what the caller's tables hold.
inline void CheckScriptOutput(int result, const ScriptOutput& output) {
  if (result > static_cast<int>(kScriptOutputRows) || output.rows.size() > kScriptOutputRows ||
      output.rcName.size() > kScriptRcNameMax) {
    __builtin_trap();
  }
}

}  // namespace rcv::fuzz
