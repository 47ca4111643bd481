// The command line of rcdict, the dictionary maintainer's command:
//   rcdict [--dict PATH] lookup [--preloaded] [--lang JP|US] [--json] [RC...]
//   rcdict [--dict PATH] check [--json]
//   rcdict [--dict PATH] cover [--json] [RCLOG]
//   rcdict --help
//   rcdict --version
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rcv {

inline constexpr int kRcdictOk = 0;
inline constexpr int kRcdictFailed = 1;       // a lookup failed, check found an error
inline constexpr int kRcdictUsage = 2;        // a usage error, or no dictionary
inline constexpr int kRcdictWriteFailed = 3;  // standard output could not be written

extern const std::string_view kRcdictUsageText;

struct RcdictOptions {
  std::string command;     // "lookup", "check", "cover"; empty with --help or --version
  std::string dictionary;  // --dict, or empty for the machine's
  bool help = false;
  bool version = false;
  bool json = false;
  bool preloaded = false;
  std::optional<std::string> language;  // "JP" or "US"
  std::vector<std::string> operands;    // RCs, or the rc.log to cover
};

// The options of `args` (the program name first), or nothing with the
// reason in `error`.
std::optional<RcdictOptions> ParseRcdictOptions(std::span<const std::string> args, std::string& error);

}  // namespace rcv
