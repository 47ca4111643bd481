#include "rcdict/rcdict_options.h"

#include <getopt.h>

namespace rcv {
namespace {

enum OptionId { kDict = 1, kHelp, kVersion, kJson, kPreloaded, kLang };

constexpr option kLongOptions[] = {
    {"dict", required_argument, nullptr, kDict},
    {"help", no_argument, nullptr, kHelp},
    {"json", no_argument, nullptr, kJson},
    {"preloaded", no_argument, nullptr, kPreloaded},
    {"lang", required_argument, nullptr, kLang},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};

// Which command each option belongs to, beyond --dict and --help.
std::string MisplacedOption(const RcdictOptions& options) {
  if (options.preloaded && options.command != "lookup") return "--preloaded belongs to lookup";
  if (options.language && options.command != "lookup") return "--lang belongs to lookup";
  if (options.language && options.preloaded) return "--lang can't be used with --preloaded (names only)";
  if (options.command == "check" && !options.operands.empty()) return "check takes no operands";
  if (options.command == "cover" && options.operands.size() > 1) return "cover takes at most one rc.log";
  return {};
}

}  // namespace

const std::string_view kRcdictUsageText =
    "usage: rcdict [--dict PATH] lookup [--preloaded] [--lang JP|US] [--json] [RC...]\n"
    "       rcdict [--dict PATH] check [--json]\n"
    "       rcdict [--dict PATH] cover [--json] [RCLOG]\n"
    "       rcdict --help | --version\n"
    "\n"
    "Runs the machine's RC dictionary (or the one given with --dict) the way the\n"
    "viewer does.\n"
    "  lookup  names each RC (16 or more hexadecimal digits; blanks and '+' are\n"
    "          dropped); without RCs they are read from standard input, one a line\n"
    "  check   reads every script and companion file the dictionary reaches and\n"
    "          reports PATH:LINE: error|warning|note: TEXT\n"
    "  cover   looks up every record of rc.log and counts found RCs (apart\n"
    "          those whose lookup met problems), unknown and failed ones\n"
    "Exit status: 0 success, 1 a lookup failed or met problems, or check found\n"
    "an error, 2 a usage error or a dictionary that can't be found, 3 standard\n"
    "output could not be written.\n";

namespace {

// Reads the options of argv[1...] into `options`; operands are left from
// optind on. With `inOrder` parsing stops at the first operand.
bool ReadOptions(std::vector<char*>& argv, bool inOrder, RcdictOptions& options, std::string& error) {
  optind = 0;  // start afresh, the GNU way
  opterr = 0;
  const int argc = static_cast<int>(argv.size()) - 1;
  for (int id; (id = getopt_long(argc, argv.data(), inOrder ? "+" : "", kLongOptions, nullptr)) != -1;) {
    switch (id) {
      case kDict:
        options.dictionary = optarg;
        break;
      case kHelp:
        options.help = true;
        break;
      case kVersion:
        options.version = true;
        break;
      case kJson:
        options.json = true;
        break;
      case kPreloaded:
        options.preloaded = true;
        break;
      case kLang:
        options.language = optarg;
        if (*options.language == "JP" || *options.language == "US") break;
        error = "--lang takes JP or US";
        return false;
      default:
        error =
            "unknown option or option without its value: " + std::string(argv[static_cast<std::size_t>(optind) - 1]);
        return false;
    }
  }
  return true;
}

}  // namespace

std::optional<RcdictOptions> ParseRcdictOptions(std::span<const std::string> args, std::string& error) {
  std::vector<std::string> copies(args.begin(), args.end());
  std::vector<char*> argv;
  argv.reserve(copies.size() + 1);
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  RcdictOptions options;
  // The options before the command, then the command's own with its operands.
  if (!ReadOptions(argv, true, options, error)) return std::nullopt;
  if (options.help || options.version) return options;
  if (optind >= static_cast<int>(copies.size())) {
    error = "no command given";
    return std::nullopt;
  }
  std::vector<char*> rest(argv.begin() + optind, argv.end());
  if (!ReadOptions(rest, false, options, error)) return std::nullopt;
  options.command = rest.front();
  for (int i = optind; i + 1 < static_cast<int>(rest.size()); ++i)
    options.operands.emplace_back(rest[static_cast<std::size_t>(i)]);
  if (options.help || options.version) return options;
  if (options.command != "lookup" && options.command != "check" && options.command != "cover") {
    error = "unknown command " + options.command;
    return std::nullopt;
  }
  error = MisplacedOption(options);
  if (!error.empty()) return std::nullopt;
  return options;
}

}  // namespace rcv
