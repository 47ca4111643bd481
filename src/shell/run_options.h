// The access mode and the options of the run, fixed at start-up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rcv {

enum class ViewMode : std::uint8_t { kUser = 0x40, kCe = 0x80 };

inline constexpr std::size_t kOutputFileMax = 512;  // "-f" value
inline constexpr std::size_t kCommandWordMax = 9;   // "-o" value and menu word

struct RunOptions {
  bool singleCommand = false;    // "-o" given: one command, no menu
  bool saveRcRun = false;        // the "-o" value is exactly "sr"
  bool selRun = false;           // the "-o" value is exactly "ds"
  std::int32_t recordLimit = 0;  // "-c", 0 when absent
  std::string outputFile;        // "-f", empty when absent
  std::string commandWord;       // the "-o" value
};

}  // namespace rcv
