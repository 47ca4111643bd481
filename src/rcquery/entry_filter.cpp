#include "rcquery/entry_filter.h"

#include <algorithm>
#include <cctype>

#include "sel/sel_tables.h"

namespace rcv {

namespace {

constexpr std::string_view kRcFilterCharacters = "0123456789ABCDEFX";

bool InTimeRange(const LogEntry& entry, const EntryFilter& filter) {
  if (!filter.since && !filter.until) return true;
  if (!entry.created) return false;
  if (filter.since && *entry.created < *filter.since) return false;
  return !filter.until || *entry.created <= *filter.until;
}

bool MatchesRc(const LogEntry& entry, const RcPattern& pattern) {
  if (entry.rc) return RcMatches(pattern, *entry.rc);
  if (entry.rcPattern) return PatternsOverlap(pattern, *entry.rcPattern);
  return false;
}

// Lower case, '_' and '-' read as blanks.
std::string NormalName(std::string_view name) {
  std::string normal;
  for (const char c : name) {
    normal += c == '_' || c == '-' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return normal;
}

// Whether the head of `a` goes before the head of `b`; a missing time is
// the earliest of all.
bool Earlier(const LogEntry& a, const LogEntry& b) {
  if (!a.timelineTime) return b.timelineTime.has_value();
  return b.timelineTime && *a.timelineTime < *b.timelineTime;
}

}  // namespace

std::optional<std::uint8_t> SensorTypeCode(std::string_view name) {
  const std::string wanted = NormalName(name);
  for (unsigned code = 0; code <= 0xFF; ++code) {
    const std::optional<std::string_view> known = SensorTypeName(static_cast<std::uint8_t>(code));
    if (known && NormalName(*known) == wanted) return static_cast<std::uint8_t>(code);
  }
  return std::nullopt;
}

std::optional<RcPattern> ParseRcFilter(std::string_view text) {
  std::string digits;
  for (const char c : text) {
    if (c == '+' || std::isspace(static_cast<unsigned char>(c)) != 0) continue;
    digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  if (digits.empty() || digits.size() > kRcPatternDigits) return std::nullopt;
  if (digits.find_first_not_of(kRcFilterCharacters) != std::string::npos) return std::nullopt;
  digits.resize(kRcPatternDigits, kWildcardDigit);
  RcPattern pattern;
  char badCharacter = 0;
  if (ParseRcPattern(digits, pattern, badCharacter) != RcPatternCheck::kOk) return std::nullopt;
  return pattern;
}

bool RcMatches(const RcPattern& pattern, const ReferenceCode& rc) {
  for (std::size_t i = 0; i < rc.size(); ++i) {
    if (((rc[i] ^ pattern.value[i]) & pattern.mask[i]) != 0) return false;
  }
  return true;
}

bool PatternsOverlap(const RcPattern& a, const RcPattern& b) {
  for (std::size_t i = 0; i < a.value.size(); ++i) {
    if (((a.value[i] ^ b.value[i]) & a.mask[i] & b.mask[i]) != 0) return false;
  }
  return true;
}

bool Matches(const LogEntry& entry, const EntryFilter& filter) {
  if (!InTimeRange(entry, filter)) return false;
  if (filter.severity && (!entry.severity || *entry.severity < *filter.severity)) return false;
  if (filter.rc && !MatchesRc(entry, *filter.rc)) return false;
  if (filter.sensorType && entry.sensorType != filter.sensorType) return false;
  return true;
}

void SetTimelineTimes(std::vector<LogEntry>& entries) {
  std::optional<QueryTime> last;
  for (LogEntry& entry : entries) {
    if (entry.created) last = entry.created;
    entry.timelineTime = last;
  }
}

std::vector<LogEntry> MergeTimelines(std::vector<std::vector<LogEntry>> logs) {
  std::vector<LogEntry> merged;
  std::vector<std::size_t> heads(logs.size(), 0);
  for (;;) {
    std::optional<std::size_t> next;
    for (std::size_t log = 0; log < logs.size(); ++log) {
      if (heads[log] == logs[log].size()) continue;
      if (!next || Earlier(logs[log][heads[log]], logs[*next][heads[*next]])) next = log;
    }
    if (!next) return merged;
    merged.push_back(std::move(logs[*next][heads[*next]++]));
  }
}

void KeepNewest(std::vector<LogEntry>& entries, std::size_t count) {
  if (entries.size() > count) entries.erase(entries.begin(), entries.end() - static_cast<std::ptrdiff_t>(count));
}

}  // namespace rcv
