// rcquery's two output forms of an entry: an aligned text line, and one
// JSON object in the shape of a Redfish LogEntry.
#pragma once

#include <string>

#include "rcquery/log_entry.h"

namespace rcv {

// Time (RFC 3339, or "-"), source, severity (or "-") and message in
// aligned columns, with the line end.
std::string FormatTextLine(const LogEntry& entry);

// Id, Source, Created, Severity, Message, EntryType, then the source's own
// properties; with the line end.
std::string FormatJsonLine(const LogEntry& entry);

}  // namespace rcv
