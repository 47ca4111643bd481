#include "rcquery/rcquery_options.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace rcv {

const std::string_view kRcqueryUsageText =
    "usage: rcquery [OPTIONS] rc|sel|mar|tqr|all\n"
    "       rcquery --help | --version\n"
    "\n"
    "Prints the machine's logs, oldest first, one entry a line:\n"
    "  rc   the RC log, each RC named through the RC dictionary\n"
    "  sel  the system event log, decoded\n"
    "  mar  the MARLOG index with call reasons, record details and attached logs\n"
    "  tqr  the trap and ignore RC table\n"
    "  all  rc, sel and mar in one timeline\n"
    "Options:\n"
    "  --json                  JSON Lines, one object a line\n"
    "  --since TIME            entries at or after TIME (UTC)\n"
    "  --until TIME            entries at or before TIME (UTC)\n"
    "                          TIME: YYYY-MM-DD, YYYY-MM-DDTHH:MM:SS[Z],\n"
    "                          'YYYY-MM-DD HH:MM:SS', -30m, -12h, -7d\n"
    "  --severity ok|warning|critical   that severity or worse\n"
    "  --rc PATTERN            RCs matching a pattern (hex digits, X for any)\n"
    "  --sensor-type NAME|0xNN SEL events of a sensor type\n"
    "  -n N                    the newest N entries after filtering\n"
    "  --reverse               newest first\n"
    "  --follow                then print each new entry as it is written\n"
    "  --cursor-file FILE      with --follow: start after the position kept in FILE,\n"
    "                          and keep it there after each batch\n"
    "       rcquery bundle [--check] DIR\n"
    "                          write (or check) a support bundle of every log in DIR\n"
    "Exit status: 0 entries printed or none matched, 1 a log could not be read\n"
    "or the output not written, 2 a usage error.\n";

namespace {

enum OptionId {
  kHelp = 1,
  kVersion,
  kJson,
  kSince,
  kUntil,
  kSeverity,
  kRc,
  kSensorType,
  kReverse,
  kFollow,
  kCursorFile,
  kCount = 'n'
};

constexpr option kLongOptions[] = {
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {"json", no_argument, nullptr, kJson},
    {"since", required_argument, nullptr, kSince},
    {"until", required_argument, nullptr, kUntil},
    {"severity", required_argument, nullptr, kSeverity},
    {"rc", required_argument, nullptr, kRc},
    {"sensor-type", required_argument, nullptr, kSensorType},
    {"reverse", no_argument, nullptr, kReverse},
    {"follow", no_argument, nullptr, kFollow},
    {"cursor-file", required_argument, nullptr, kCursorFile},
    {nullptr, 0, nullptr, 0},
};

constexpr std::array<std::string_view, 5> kSources = {"rc", "sel", "mar", "tqr", "all"};
// -n takes at most this many digits.
constexpr std::size_t kCountDigitsMax = 9;

std::string Lower(std::string_view text) {
  std::string lower;
  for (const char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::optional<Severity> ParseSeverity(std::string_view text) {
  const std::string lower = Lower(text);
  if (lower == "ok") return Severity::kOk;
  if (lower == "warning") return Severity::kWarning;
  if (lower == "critical") return Severity::kCritical;
  return std::nullopt;
}

bool IsDigits(std::string_view text, std::string_view digits) {
  return !text.empty() && text.find_first_not_of(digits) == std::string_view::npos;
}

// "0xNN", or a sensor type's name.
std::optional<std::uint8_t> ParseSensorType(std::string_view text) {
  const std::string lower = Lower(text);
  if (!lower.starts_with("0x")) return SensorTypeCode(text);
  const std::string_view digits = std::string_view(lower).substr(2);
  if (digits.size() > 2 || !IsDigits(digits, "0123456789abcdef")) return std::nullopt;
  return static_cast<std::uint8_t>(std::stoul(std::string(digits), nullptr, 16));
}

// Reads one option's value into `options`; the reason when it is no value
// of that option.
std::string ReadValue(int id, std::string_view value, QueryTime now, RcqueryOptions& options) {
  EntryFilter& filter = options.filter;
  switch (id) {
    case kSince:
      filter.since = ParseQueryTime(value, now, DayEnd::kFirstSecond);
      return filter.since ? "" : "--since takes YYYY-MM-DD, YYYY-MM-DDTHH:MM:SS[Z] or -N(m|h|d)";
    case kUntil:
      filter.until = ParseQueryTime(value, now, DayEnd::kLastSecond);
      return filter.until ? "" : "--until takes YYYY-MM-DD, YYYY-MM-DDTHH:MM:SS[Z] or -N(m|h|d)";
    case kSeverity:
      filter.severity = ParseSeverity(value);
      return filter.severity ? "" : "--severity takes ok, warning or critical";
    case kRc:
      filter.rc = ParseRcFilter(value);
      return filter.rc ? "" : "--rc takes up to 24 hexadecimal digits or X";
    case kSensorType:
      filter.sensorType = ParseSensorType(value);
      return filter.sensorType ? "" : "--sensor-type takes a sensor type's name (such as Temperature) or 0xNN";
    case kCursorFile:
      options.cursorFile = value;
      return value.empty() ? "--cursor-file takes a file name" : "";
    default:  // kCount
      if (!IsDigits(value, "0123456789") || value.size() > kCountDigitsMax) return "-n takes a number";
      options.count = std::stoul(std::string(value));
      return "";
  }
}

// What --follow can't be combined with.
std::string FollowOptionError(const RcqueryOptions& options) {
  if (!options.follow) return options.cursorFile.empty() ? "" : "--cursor-file goes with --follow";
  if (options.source == kTqrSource) return "--follow takes rc, sel, mar or all";
  return options.reverse ? "--follow prints oldest first; --reverse can't go with it" : "";
}

}  // namespace

std::optional<RcqueryOptions> ParseRcqueryOptions(std::span<const std::string> args, QueryTime now,
                                                  std::string& error) {
  std::vector<std::string> copies(args.begin(), args.end());
  std::vector<char*> argv;
  argv.reserve(copies.size() + 1);
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  RcqueryOptions options;
  optind = 0;  // start afresh, the GNU way
  opterr = 0;
  const int argc = static_cast<int>(copies.size());
  for (int id; (id = getopt_long(argc, argv.data(), "n:", kLongOptions, nullptr)) != -1;) {
    if (id == kHelp) {
      options.help = true;
    } else if (id == kVersion) {
      options.version = true;
    } else if (id == kJson) {
      options.json = true;
    } else if (id == kReverse) {
      options.reverse = true;
    } else if (id == kFollow) {
      options.follow = true;
    } else if (id == '?' || id == ':') {
      error = "unknown option or option without its value: " + std::string(argv[static_cast<std::size_t>(optind) - 1]);
      return std::nullopt;
    } else {
      error = ReadValue(id, optarg, now, options);
      if (!error.empty()) return std::nullopt;
    }
  }
  if (options.help || options.version) return options;
  const std::size_t operands = copies.size() - static_cast<std::size_t>(optind);
  if (operands != 1) {
    error = operands == 0 ? "no source given" : "one source only";
    return std::nullopt;
  }
  // getopt has moved the operands behind the options.
  options.source = argv[static_cast<std::size_t>(optind)];
  if (std::find(kSources.begin(), kSources.end(), options.source) == kSources.end()) {
    error = "unknown source " + options.source + " (rc, sel, mar, tqr or all)";
    return std::nullopt;
  }
  error = FollowOptionError(options);
  if (!error.empty()) return std::nullopt;
  return options;
}

}  // namespace rcv
