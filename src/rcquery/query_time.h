// Times on rcquery's command line and in its output: UTC seconds since
// 1970-01-01, read from the forms a user types and written as RFC 3339.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rcv {

using QueryTime = std::int64_t;

// Which end of a day a bare date stands for: its first second for --since,
// its last for --until, so that both bounds take the whole day in.
enum class DayEnd { kFirstSecond, kLastSecond };

// "YYYY-MM-DD", "YYYY-MM-DDTHH:MM:SS" (with an optional "Z"),
// "YYYY-MM-DD HH:MM:SS", or "-30m", "-12h", "-7d" back from `now`; nothing
// for any other text or a date that doesn't exist.
std::optional<QueryTime> ParseQueryTime(std::string_view text, QueryTime now, DayEnd dayEnd);

// "2026-12-07T10:00:00Z".
std::string FormatRfc3339(QueryTime time);

// The time of a log's 32-bit stamp, or nothing for a stamp that holds no
// valid time (the lists' "pre init timestamp").
std::optional<QueryTime> LogStampTime(std::uint32_t stamp);

// The time of a MARLOG index row's YYYYMMDD and HHMMSS texts, taken as UTC
// like every stamp of the logs; nothing when they name no valid time.
std::optional<QueryTime> IndexRowTime(std::string_view date, std::string_view time);

}  // namespace rcv
