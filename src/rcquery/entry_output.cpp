#include "rcquery/entry_output.h"

#include <cstdio>

namespace rcv {

namespace {

// The widest value of each column: an RFC 3339 time, a source, "Critical".
constexpr int kTimeColumnWidth = 20;
constexpr int kSourceColumnWidth = 3;
constexpr int kSeverityColumnWidth = 8;

}  // namespace

std::string FormatTextLine(const LogEntry& entry) {
  const std::string time = entry.created ? FormatRfc3339(*entry.created) : "-";
  const std::string source(entry.source);
  const std::string severity(entry.severity ? SeverityName(*entry.severity) : "-");
  char columns[64];
  std::snprintf(columns, sizeof columns, "%-*s %-*s %-*s ", kTimeColumnWidth, time.c_str(), kSourceColumnWidth,
                source.c_str(), kSeverityColumnWidth, severity.c_str());
  return columns + entry.message + "\n";
}

std::string FormatJsonLine(const LogEntry& entry) {
  Json object = {{"Id", entry.id},
                 {"Source", entry.source},
                 {"Created", entry.created ? Json(FormatRfc3339(*entry.created)) : Json(nullptr)},
                 {"Severity", entry.severity ? Json(SeverityName(*entry.severity)) : Json(nullptr)},
                 {"Message", entry.message},
                 {"EntryType", entry.entryType}};
  object.update(entry.properties);
  // Every text is UTF-8 by now; a stray byte would be replaced, never cut.
  return object.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace rcv
