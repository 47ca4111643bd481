#include "shell/command_menu.h"

#include <cstdio>

#include "shell/options.h"
#include "shell/program_version.h"

namespace rcv {

namespace {

bool IsOpenTo(const CommandEntry& command, ViewMode mode) {
  const auto bits = static_cast<std::uint32_t>(mode);
  return (command.modeMask & bits) == bits;
}

void PrintCeMenu(Screen& screen, std::span<const CommandEntry> commands) {
  std::ostream& out = screen.out();
  out << "============= RC Viewer <CE Mode> ============\n";
  PrintIdentity(screen.identity, out);
  out << "**************** Command Menu ****************\n";
  char line[80];
  for (const CommandEntry& command : commands) {
    if (!IsOpenTo(command, ViewMode::kCe)) continue;
    std::snprintf(line, sizeof line, " %-3.*s : %.*s\n", static_cast<int>(command.key.size()), command.key.data(),
                  static_cast<int>(command.title.size()), command.title.data());
    out << line;
  }
  out << " q   : quit\n"
      << "\n"
      << "Select command : ";
}

const CommandEntry* FindCommand(std::string_view word, std::span<const CommandEntry> commands, ViewMode mode) {
  for (const CommandEntry& command : commands) {
    if (command.key == word && IsOpenTo(command, mode)) return &command;
  }
  return nullptr;
}

// Chooses the next command word; false ends the run ("q", or the end of
// input, which counts as "q").
bool ChooseCommandWord(Screen& screen, std::span<const CommandEntry> commands, std::string& word) {
  if (screen.options.singleCommand) {
    word = screen.options.commandWord;
    return true;
  }
  if (!screen.IsCeMode()) {
    PrintIdentity(screen.identity, screen.out());
    word = "dr";
    return true;
  }
  PrintCeMenu(screen, commands);
  if (!InputLine(screen.console, word, kCommandWordSize)) return false;
  return word != "q";
}

void RunMenuLoop(Screen& screen, std::span<const CommandEntry> commands) {
  std::string word;
  while (ChooseCommandWord(screen, commands, word)) {
    const CommandEntry* command = FindCommand(word, commands, screen.mode);
    if (command != nullptr) {
      const int result = command->handler(screen);
      if (result != 1 && !screen.IsCeMode()) return;
      if (screen.options.singleCommand) return;
      continue;
    }
    if (screen.options.saveRcRun || screen.options.selRun) return;
    screen.out() << "command not found.\n";
    if (screen.options.singleCommand) return;
  }
}

// Prints the usage or the version when the command line asks for it.
bool AnswerInformationRequest(std::span<const std::string> args, std::ostream& out) {
  const InformationRequest request = InformationRequestOf(args);
  if (request == InformationRequest::kHelp) out << kViewerUsageText;
  if (request == InformationRequest::kVersion) out << "rcviewer " << ProgramVersion() << '\n';
  return request != InformationRequest::kNone;
}

}  // namespace

int RunViewer(std::span<const std::string> args, std::span<const CommandEntry> commands, std::istream& in,
              std::ostream& out, const char* lang) {
  if (AnswerInformationRequest(args, out)) {
    out.flush();
    return kExitInformation;
  }
  MachineIdentity identity;
  if (LoadMachineIdentity(identity, out) != 1) {
    out.flush();
    return kExitNoIdentity;
  }
  TextConversion conversion;
  conversion.Open(lang);
  const ViewMode mode = ModeFromArguments(args);
  const RunOptions options = ReadRunOptions(args, mode);
  out << "\n";

  Console console(in, out);
  Screen screen{console, mode, options, identity, conversion};
  RunMenuLoop(screen, commands);
  out.flush();
  return kExitNormal;
}

}  // namespace rcv
