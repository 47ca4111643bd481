// The command line of rcquery, the logs for scripts and log shippers:
//   rcquery [OPTIONS] rc|sel|mar|tqr|all
//   rcquery --help | --version
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "rcquery/entry_filter.h"

namespace rcv {

inline constexpr int kRcqueryOk = 0;
inline constexpr int kRcqueryFailed = 1;  // a log could not be read, or the output written
inline constexpr int kRcqueryUsage = 2;

inline constexpr std::string_view kAllSources = "all";

extern const std::string_view kRcqueryUsageText;

struct RcqueryOptions {
  std::string source;  // "rc", "sel", "mar", "tqr", "all"; empty with --help or --version
  bool help = false;
  bool version = false;
  bool json = false;
  bool reverse = false;
  std::optional<std::size_t> count;  // -n
  bool follow = false;
  std::string cursorFile;  // --cursor-file, with --follow only
  EntryFilter filter;
};

// The options of `args` (the program name first), relative times taken back
// from `now`; or nothing with the reason in `error`.
std::optional<RcqueryOptions> ParseRcqueryOptions(std::span<const std::string> args, QueryTime now, std::string& error);

}  // namespace rcv
