#include "shell/options.h"

#include <array>
#include <cstdlib>

namespace rcv {

namespace {

// Finds the first row still without a value that the argument names;
// `pending` tells whether it now waits for its value in the next argument.
OptionEntry* MatchOption(std::string_view arg, std::span<OptionEntry> options, bool& pending) {
  for (OptionEntry& option : options) {
    if (option.value) continue;  // an option given twice is not known the second time
    if (!option.takesValue) {
      if (arg != option.name) continue;
      option.value = "";
      pending = false;
      return &option;
    }
    if (option.separateValue) {
      if (arg != option.name) continue;
      pending = true;
      return &option;
    }
    if (arg.substr(0, option.prefixLength) != option.name.substr(0, option.prefixLength)) continue;
    pending = arg.size() == option.prefixLength;
    if (!pending) option.value = std::string(arg.substr(option.prefixLength));
    return &option;
  }
  return nullptr;
}

}  // namespace

ViewMode ModeFromArguments(std::span<const std::string> args) {
  return args.size() > 1 && args[1] == kAccessCode ? ViewMode::kCe : ViewMode::kUser;
}

int ParseOptions(std::span<const std::string> args, ViewMode mode, std::span<OptionEntry> options) {
  for (OptionEntry& option : options) option.value.reset();
  const std::size_t first = mode == ViewMode::kCe ? 2 : 1;
  std::size_t index = first;
  OptionEntry* pending = nullptr;
  for (; index < args.size(); ++index) {
    const std::string& arg = args[index];
    if (arg.starts_with("-")) {
      if (pending != nullptr) return -2;
      bool waits = false;
      OptionEntry* option = MatchOption(arg, options, waits);
      if (option == nullptr) return -1;
      pending = waits ? option : nullptr;
    } else {
      if (pending == nullptr) return -1;
      pending->value = arg;
      pending = nullptr;
    }
  }
  if (pending != nullptr || index <= 1) return -2;
  return 0;
}

RunOptions ReadRunOptions(std::span<const std::string> args, ViewMode mode) {
  // Each takes the following argument as its value.
  std::array<OptionEntry, 3> table = {
      {{"-o", true, true, 2, {}}, {"-c", true, true, 2, {}}, {"-f", true, true, 2, {}}}};
  RunOptions options;
  if (ParseOptions(args, mode, table) != 0) return options;
  const auto& [command, count, file] = table;
  // Values that the command word or the file name buffer can't hold make
  // the line faulty as a whole, like any other fault in it.
  if (command.value && command.value->size() > kCommandWordMax) return options;
  if (file.value && file.value->size() > kOutputFileMax) return options;
  if (command.value) {
    options.singleCommand = true;
    options.saveRcRun = *command.value == "sr";
    options.selRun = *command.value == "ds";
    options.commandWord = *command.value;
  }
  options.recordLimit = count.value ? std::atoi(count.value->c_str()) : 0;
  options.outputFile = file.value.value_or("");
  return options;
}

InformationRequest InformationRequestOf(std::span<const std::string> args) {
  if (args.size() != 2) return InformationRequest::kNone;
  if (args[1] == "--help") return InformationRequest::kHelp;
  if (args[1] == "--version") return InformationRequest::kVersion;
  return InformationRequest::kNone;
}

const std::string_view kViewerUsageText =
    "usage: rcviewer [ACCESS-CODE] [-o COMMAND] [-c COUNT] [-f FILE]\n"
    "       rcviewer --help | --version\n"
    "\n"
    "Shows the machine's RC log, SEL, maintenance records and trap and ignore RC\n"
    "table. Without the access code it shows the identity block and the RC list\n"
    "once; with it, the command menu of the service engineer.\n"
    "  -o COMMAND  runs one command without the menu and ends: sr saves the RC\n"
    "              log as text, ds lists the SEL (with the access code only)\n"
    "  -c COUNT    with -o sr: only the COUNT newest RCs\n"
    "  -f FILE     the output file of -o sr (default rclog.txt beside the RC log)\n"
    "              and of -o ds (default the terminal)\n"
    "A faulty command line is ignored as a whole.\n"
    "Environment: RCVIEWER_ROOT is put in front of the install and data roots;\n"
    "LANG names the terminal's code set.\n"
    "Exit status: 1 after a run, 255 when the machine identity can't be loaded,\n"
    "0 after --help or --version.\n";

}  // namespace rcv
