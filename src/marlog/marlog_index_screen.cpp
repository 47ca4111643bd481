#include "marlog/marlog_index_screen.h"

#include <cstdio>

#include "base/regular_file.h"
#include "shell/failure_report.h"

namespace rcv {

namespace {

// A character the field doesn't have shows as a blank.
char CharAt(const std::string& field, std::size_t i) { return i < field.size() ? field[i] : ' '; }

std::vector<CallReasonEntry> LoadCallReasons(std::ostream& out, const std::string& path) {
  std::string text;
  std::string reason;
  // A table that opens but can't be read has no lines, as an empty one.
  if (ReadFileText(path, text, &reason) == FileAccess::kCannotOpen) {
    out << "Call reason table file open failed.\n";
    ReportFileFailure(path, reason);
    return {};
  }
  if (text.empty()) {
    out << "Call reason table file invalid.\n";
    ReportFileFailure(path, reason.empty() ? "file is empty" : reason);
    return {};
  }
  return ParseCallReasons(text);
}

}  // namespace

int LoadMarlogIndex(std::ostream& out, const MarConfig& config, std::vector<MarlogIndexEntry>& entries) {
  const std::string path = config.marDir + "marlog.idx";
  std::string text;
  std::string reason;
  // An index that opens but can't be read has no lines: an empty table.
  if (ReadFileText(path, text, &reason) == FileAccess::kCannotOpen) {
    out << path << " open error.\n";
    ReportFileFailure(path, reason);
    return -1;
  }
  entries = ParseMarlogIndex(text, config.stackMax);
  SortMarlogIndex(entries);
  return 1;
}

std::string FormatMarlogRow(std::size_t number, const MarlogIndexEntry& entry,
                            const std::vector<CallReasonEntry>& reasons) {
  const std::string& d = entry.date;
  const std::string& t = entry.time;
  char row[64];
  std::snprintf(row, sizeof row, " %2zu  %c%c%c%c/%c%c/%c%c %c%c:%c%c:%c%c [", number, CharAt(d, 0), CharAt(d, 1),
                CharAt(d, 2), CharAt(d, 3), CharAt(d, 4), CharAt(d, 5), CharAt(d, 6), CharAt(d, 7), CharAt(t, 0),
                CharAt(t, 1), CharAt(t, 2), CharAt(t, 3), CharAt(t, 4), CharAt(t, 5));
  const std::string code = entry.reason.substr(0, kCallReasonCodeWidth);
  return row + code + "]" + std::string(FindCallReason(reasons, code)) + "\n";
}

void PrintMarlogIndex(std::ostream& out, const MarConfig& config, const std::vector<MarlogIndexEntry>& entries) {
  const std::vector<CallReasonEntry> reasons = LoadCallReasons(out, config.callReasonPath);
  out << "---- MARLOG INDEX ----\n"
      << "\n"
      << " No. Date       Time     Reason\n"
      << "---- ---------- -------- ------------------------------------------------------\n";
  const std::size_t shown = ShownMarlogRows(entries);
  for (std::size_t i = 0; i < shown; ++i) out << FormatMarlogRow(i + 1, entries[i], reasons);
  out << '\n';
}

}  // namespace rcv
