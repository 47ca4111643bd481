#include "sel/display_sel.h"

#include <array>

#include "sel/sel_log.h"
#include "shell/export_file.h"
#include "shell/failure_report.h"
#include "shell/file_block.h"
#include "shell/roots.h"

namespace rcv {

namespace {

constexpr std::string_view kSelHeading =
    "date/time           RID  RT GID  ER ST/# ET Event \n"
    "------------------  ---- -- ---- -- ---- -- ------\n";

// Reads sel.log into `log`; prints the reason and returns false when there
// is nothing to list.
bool ReadSelLog(Screen& screen, std::array<std::uint8_t, kSelLogSize>& log, SelHeader& header) {
  const std::string path = VrkLogPath("sel.log");
  std::string reason;
  const int result = ReadFileBlock(path, log, &reason);
  if (result != kFileOk) {
    screen.out() << (result == kFileOpenFailed ? "SEL LOG open failed.\n" : "SEL LOG read failed.\n");
    ReportFileFailure(path, reason);
    return false;
  }
  header = DecodeSelHeader(log);
  if (CheckSelHeader(header) != SelCheck::kValid) {
    screen.out() << "SEL LOG invalid.\n";
    ReportFileFailure(path, SelHeaderFault(header));
    return false;
  }
  return true;
}

void WriteSelListing(Screen& screen, std::ostream& out, const std::array<std::uint8_t, kSelLogSize>& log,
                     const SelHeader& header) {
  out << kSelHeading;
  for (std::size_t slot : SelSlotsNewestFirst(header)) out << FormatSelLine(log, slot);
  if (screen.options.selRun) out << "--- End of data. ---\n";
}

void ShowSelMenu(Screen& screen) {
  screen.out() << "-------- Display SEL Menu --------\n"
               << " 0 . Display SEL history\n"
               << " q . quit\n"
               << "\n"
               << "(0, [q]) : ";
}

}  // namespace

void PauseUnlessSelRun(Screen& screen) {
  if (!screen.options.selRun) WaitEnterKey(screen.console);
}

int ShowSelHistory(Screen& screen) {
  // The log is read and checked before the export file is opened, so that a
  // failed run leaves an earlier export as it was.
  std::array<std::uint8_t, kSelLogSize> log{};
  SelHeader header;
  if (!ReadSelLog(screen, log, header)) {
    PauseUnlessSelRun(screen);
    screen.out() << "\n";
    return -1;
  }
  const bool toFile = screen.options.singleCommand && !screen.options.outputFile.empty();
  if (!toFile) {
    WriteSelListing(screen, screen.out(), log, header);
  } else {
    ExportFile file(screen.options.outputFile);
    if (!file.Open()) {
      screen.out() << "SEL LOG save file open failed.\n\n";
      ReportFileFailure(screen.options.outputFile, file.reason());
      return -1;
    }
    WriteSelListing(screen, file.text(), log, header);
    if (!file.Commit()) {
      screen.out() << "SEL LOG save file write failed.\n\n";
      ReportFileFailure(screen.options.outputFile, file.reason());
      return -1;
    }
  }
  screen.out() << "\n";
  return 1;
}

int ReadSelMenuChoice(Screen& screen) {
  std::string answer;
  InputLine(screen.console, answer, kShortAnswerSize);
  StrToUpper(answer);
  screen.out() << "\n";
  if (answer == "0") return 0;
  if (answer == "1") return 1;
  return 2;
}

int DisplaySel(Screen& screen) {
  if (!screen.IsCeMode()) return 1;
  if (screen.options.singleCommand) {
    ShowSelHistory(screen);
    return 1;
  }
  screen.out() << "\n<<Display SELs- Display SEL history.>>\n\n";
  for (;;) {
    ShowSelMenu(screen);
    const int choice = ReadSelMenuChoice(screen);
    if (choice == 0) ShowSelHistory(screen);
    if (choice == 2) return 1;
  }
}

}  // namespace rcv
