// The command line: an optional access code, then "-o", "-c" and "-f", each
// followed by its value.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/run_options.h"

namespace rcv {

inline constexpr std::string_view kAccessCode = "tonbar47";

struct OptionEntry {
  std::string_view name;
  bool takesValue = true;
  bool separateValue = true;  // the value is always the next argument
  std::uint32_t prefixLength = 2;
  std::optional<std::string> value;  // set once the option is seen
};

// Reads args[1..] (args[0] is the program), skipping the access code in CE
// mode. Returns 0 when the whole line was read, -1 or -2 otherwise.
int ParseOptions(std::span<const std::string> args, ViewMode mode, std::span<OptionEntry> options);

ViewMode ModeFromArguments(std::span<const std::string> args);

// The run options of a command line; a faulty line leaves them all reset.
RunOptions ReadRunOptions(std::span<const std::string> args, ViewMode mode);

// "--help" or "--version" as the only argument asks for the usage or the
// version instead of a run. Anywhere else these words are read like any
// other argument: a mistyped access code or a faulty option.
enum class InformationRequest { kNone, kHelp, kVersion };
InformationRequest InformationRequestOf(std::span<const std::string> args);

extern const std::string_view kViewerUsageText;

}  // namespace rcv
