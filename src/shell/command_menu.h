// The program's top level: start-up, then the CE menu loop, the user run or
// the single command of "-o", every screen reached through one table.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "shell/screen.h"

namespace rcv {

struct CommandEntry {
  std::string_view key;    // what the operator types, at most 3 characters
  std::string_view title;  // the menu text
  CommandHandler handler;
  std::uint32_t modeMask;  // open to a mode when (mask & mode) == mode
};

inline constexpr int kExitNormal = 1;
inline constexpr int kExitNoIdentity = 255;
inline constexpr int kExitInformation = 0;  // after --help or --version
inline constexpr int kExitWriteFailed = 3;  // --help or --version could not be written

// Runs the whole program on the given command line and terminal; `lang` is
// the value of LANG (or null). Returns the exit status.
int RunViewer(std::span<const std::string> args, std::span<const CommandEntry> commands, std::istream& in,
              std::ostream& out, const char* lang);

}  // namespace rcv
