#include "marlog/attached_log_screen.h"

#include <cstdio>
#include <vector>

#include "base/regular_file.h"
#include "marlog/mar_file_path.h"
#include "marlog/mar_record.h"
#include "marlog/number_prompt.h"
#include "shell/failure_report.h"

namespace rcv {

namespace {

void PrintLogList(std::ostream& out, const std::vector<AttachedLogEntry>& logs) {
  out << "- Attached log -\n";
  char line[64];
  for (std::size_t i = 0; i < logs.size(); ++i) {
    std::snprintf(line, sizeof line, "%2zu . %s\n", i, logs[i].name.c_str());
    out << line;
  }
  out << '\n';
}

std::string LogPrompt(std::size_t count) {
  if (count == 1) return "Select log No. (0, [quit]) : ";
  return "Select log No. (0-" + std::to_string(count - 1) + ", [quit]) : ";
}

}  // namespace

void ShowAttachedLog(Screen& screen, const AttachedLogEntry& log, const std::string& path) {
  std::string file;
  std::string reason;
  if (ReadFileText(path, file, &reason) != FileAccess::kOk || log.position > file.size()) {
    screen.out() << log.name << " read failed.\n\n";
    ReportFileFailure(path, reason.empty() ? "file is shorter than when its logs were listed" : reason);
    return;
  }
  char title[64];
  std::snprintf(title, sizeof title, "| %-16s|\n", log.name.c_str());
  screen.out() << "\n+-----------------+\n" << title << "+-----------------+\n";
  screen.out() << AttachedLogText(file, log.position);
  WaitEnterKey(screen.console);
  screen.out() << '\n';
}

int ShowAttachedLogList(Screen& screen, const MarConfig& config, std::string_view dirNameField) {
  std::string path;
  if (!MarFilePath(screen.out(), config.marDir, dirNameField, path)) return -1;
  std::string file;
  std::string reason;
  const FileAccess access = ReadFileText(path, file, &reason);
  if (access == FileAccess::kCannotOpen) {
    screen.out() << path << " fopen error.:1\n";
    ReportFileFailure(path, reason);
    return -1;
  }
  // What opens but can't be read has no byte to go to.
  if (access != FileAccess::kOk || file.size() < kMarRecordSize) {
    screen.out() << path << " fseek error.:1\n";
    ReportFileFailure(path, access != FileAccess::kOk
                                ? reason
                                : SizeReason(file.size(), "at least " + std::to_string(kMarRecordSize)));
    return -1;
  }
  const std::vector<AttachedLogEntry> logs = ScanAttachedLogs(file, kMarRecordSize);
  if (logs.empty()) {
    screen.out() << "-- End of data. --\n\n";
    WaitEnterKey(screen.console);
    screen.out() << '\n';
    return 1;
  }
  for (;;) {
    PrintLogList(screen.out(), logs);
    const std::uint32_t chosen =
        InputNumberInRange(screen.console, 0, static_cast<std::uint32_t>(logs.size() - 1), LogPrompt(logs.size()));
    if (chosen == kNumberQuit) return 1;
    ShowAttachedLog(screen, logs[chosen], path);
  }
}

}  // namespace rcv
