// rcquery's filters and the order of its output: which entries are kept,
// how the sources meet in one timeline, and which of them are printed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "rcquery/log_entry.h"

namespace rcv {

struct EntryFilter {
  std::optional<QueryTime> since;  // inclusive
  std::optional<QueryTime> until;  // inclusive
  std::optional<Severity> severity;
  std::optional<RcPattern> rc;
  std::optional<std::uint8_t> sensorType;
};

// The code of a sensor type named as the SEL names it, in any case, with
// '_' or '-' for blanks; nothing for a name no sensor type has.
std::optional<std::uint8_t> SensorTypeCode(std::string_view name);

// The RC pattern of --rc: hexadecimal digits and X, blanks and '+'
// dropped, a shorter pattern standing for its leading digits. Nothing for
// text that is no pattern.
std::optional<RcPattern> ParseRcFilter(std::string_view text);

// Whether the RC agrees with the pattern in every fixed digit.
bool RcMatches(const RcPattern& pattern, const ReferenceCode& rc);
// Whether some RC matches both patterns.
bool PatternsOverlap(const RcPattern& a, const RcPattern& b);

bool Matches(const LogEntry& entry, const EntryFilter& filter);

// Sets each entry's timeline time: its own, or that of the nearest entry
// before it in its log that has one.
void SetTimelineTimes(std::vector<LogEntry>& entries);

// The logs (each oldest first, with timeline times) merged into one
// timeline, oldest first: each log keeps its own order, an entry without a
// time follows the entry before it in its log, and entries of the same time
// come in the order of the logs given. Entries before any timed one in
// their log open the timeline.
std::vector<LogEntry> MergeTimelines(std::vector<std::vector<LogEntry>> logs);

// Keeps the newest `count` entries of an oldest-first list.
void KeepNewest(std::vector<LogEntry>& entries, std::size_t count);

}  // namespace rcv
