#include "rclog/save_rc.h"

#include <algorithm>
#include <vector>

#include "dict/rc_lookup.h"
#include "shell/console.h"
#include "shell/export_file.h"
#include "shell/failure_report.h"
#include "shell/machine_identity.h"
#include "shell/roots.h"

namespace rcv {

namespace {

enum class SaveResult { kSaved, kOpenFailed, kWriteFailed };

void PauseUnlessSaveRcRun(Screen& screen) {
  if (!screen.options.saveRcRun) WaitEnterKey(screen.console);
}

// How many lines to write: all of them, but for the record limit of a
// single "sr" run (where any negative limit still writes one line).
std::size_t LinesToWrite(const Screen& screen, std::size_t entries) {
  const std::int32_t limit = screen.options.recordLimit;
  if (!screen.options.saveRcRun || limit == 0) return entries;
  return std::min(entries, static_cast<std::size_t>(std::max(limit, 1)));
}

std::string OutputPath(const Screen& screen) {
  return screen.options.outputFile.empty() ? VrkLogPath(kRcTextFileName) : screen.options.outputFile;
}

SaveResult SaveRcText(const Screen& screen, const std::string& path, std::span<const RcEntry> entries, RcLookup lookup,
                      std::string& reason) {
  ExportFile file(path);
  if (!file.Open()) {
    reason = file.reason();
    return SaveResult::kOpenFailed;
  }
  WriteRcText(file.text(), screen, entries, lookup);
  if (file.Commit()) return SaveResult::kSaved;
  reason = file.reason();
  return SaveResult::kWriteFailed;
}

}  // namespace

void WriteRcText(std::ostream& file, const Screen& screen, std::span<const RcEntry> entries, RcLookup lookup) {
  PrintIdentity(screen.identity, file);
  if (entries.empty()) {
    file << kRcLogEmpty << '\n';
    return;
  }
  file << RcLineHeading(screen.mode);
  const std::size_t lines = LinesToWrite(screen, entries.size());
  for (const RcEntry& entry : entries.first(lines)) {
    // The file shows an empty dictionary name as it is.
    const std::string name =
        screen.mode == ViewMode::kCe ? LookUpRcName(entry.rc, lookup).value_or(std::string(kRcNameUnknown)) : "";
    file << FormatRcLine(entry, screen.mode, name) << '\n';
  }
  file << kRcEndOfData << '\n';
}

int SaveRc(Screen& screen, RcLookup lookup) {
  if (!screen.options.saveRcRun) {
    screen.out() << "\n<<Save RCs- Save Reference Code log>>\n\n";
    if (AskYesNo(screen.console, "Save RC LOG ? (y/[n]) : ") != 1) return 1;
    screen.out() << '\n';
  }
  std::vector<RcEntry> entries;
  if (LoadRcLog(screen.out(), entries) < 0) {
    PauseUnlessSaveRcRun(screen);
    return 1;
  }
  const std::string path = OutputPath(screen);
  std::string reason;
  switch (SaveRcText(screen, path, entries, lookup, reason)) {
    case SaveResult::kSaved:
      if (!screen.options.saveRcRun) screen.out() << "RC LOG saved.(file : " << path << ")\n";
      break;
    case SaveResult::kOpenFailed:
      screen.out() << "RC LOG save file open failed.\n";
      ReportFileFailure(path, reason);
      break;
    case SaveResult::kWriteFailed:
      screen.out() << "RC LOG save file write failed.\n";
      ReportFileFailure(path, reason);
      break;
  }
  PauseUnlessSaveRcRun(screen);
  return 1;
}

int SaveRc(Screen& screen) { return SaveRc(screen, GetRcInfo); }

}  // namespace rcv
