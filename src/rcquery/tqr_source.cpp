#include "rcquery/tqr_source.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>

#include "traprc/trap_rc_file.h"
#include "traprc/trap_rc_table.h"

namespace rcv {

namespace {

std::string KindName(std::uint8_t kind) {
  if (kind == kTrapKind) return "Trap";
  if (kind == kIgnoreKind) return "Ignore";
  // A kind the editor never writes; the monitoring service may.
  char text[16];
  std::snprintf(text, sizeof text, "Kind 0x%02X", kind);
  return text;
}

LogEntry TqrEntry(const TrapRcTable& table, const TrapRcView& view, Json listNumber) {
  const auto fields = SplitRcPattern(view.pattern);
  const std::string kind = KindName(view.kind);
  LogEntry entry;
  entry.source = kTqrSource;
  std::string idKind = kind;
  std::transform(idKind.begin(), idKind.end(), idKind.begin(), [](char c) { return c == ' ' ? '-' : c; });
  entry.id = idKind + "-" + view.pattern;
  entry.rcPattern = RecordPattern(table, view.fileIndex);
  entry.message = kind + " RC";
  for (const std::string_view field : fields) entry.message += " " + std::string(field);
  entry.properties = {{"Kind", kind},
                      {"KindCode", view.kind},
                      {"ListNumber", std::move(listNumber)},
                      {"Pattern", view.pattern},
                      {"RtEn", fields[0]},
                      {"UnitId", fields[1]},
                      {"EventCode", fields[2]},
                      {"FailureCode", fields[3]},
                      {"AdditionalCode", fields[4]}};
  return entry;
}

}  // namespace

SourceRead ReadTqrSource() {
  SourceRead read;
  std::ostringstream why;
  std::string confDir;
  if (LoadTrapRcDir(why, confDir) != 1) {
    read.errors.push_back(OneLine(why.str()));
    return read;
  }
  const std::string path = TrapRcTablePath(confDir);
  std::vector<std::uint8_t> bytes;
  std::string error = ReadLogBytes(path, 0, bytes);
  if (!error.empty()) {
    read.errors.push_back(std::move(error));
    return read;
  }
  if (bytes.size() > kTrapRcTableSize) {
    read.errors.push_back(path + ": too long (" + std::to_string(bytes.size()) + " of " +
                          std::to_string(kTrapRcTableSize) + " bytes)");
    return read;
  }
  // What a short file doesn't supply reads as free records.
  TrapRcTable table;
  table.fill(kFreeKind);
  std::copy(bytes.begin(), bytes.end(), table.begin());
  // The screens number each kind's list from 0.
  std::map<std::uint8_t, std::size_t> listed;
  for (const TrapRcView& view : UsedRecordViews(table)) {
    Json number = nullptr;
    if (view.kind == kTrapKind || view.kind == kIgnoreKind) number = listed[view.kind]++;
    read.entries.push_back(TqrEntry(table, view, std::move(number)));
  }
  MakeIdsUnique(read.entries);
  return read;
}

}  // namespace rcv
