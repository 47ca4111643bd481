#include "rcquery/query_time.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "base/utc_time.h"
#include "sel/sel_event.h"

namespace rcv {

namespace {

constexpr QueryTime kSecondsPerMinute = 60;
constexpr QueryTime kSecondsPerHour = 60 * kSecondsPerMinute;
constexpr QueryTime kSecondsPerDay = 24 * kSecondsPerHour;
// A relative time takes at most this many digits, so that it never overflows.
constexpr std::size_t kRelativeDigitsMax = 9;

constexpr std::string_view kDateForm = "YYYY-MM-DD";
constexpr std::string_view kDateTimeForm = "YYYY-MM-DDTHH:MM:SS";
constexpr std::string_view kIndexDateForm = "YYYYMMDD";
constexpr std::string_view kIndexTimeForm = "HHMMSS";

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

unsigned DaysInMonth(int year, unsigned month) {
  constexpr std::array<unsigned, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to the date of the proleptic Gregorian calendar.
QueryTime DaysFromCivil(int year, int month, int day) {
  const int y = month <= 2 ? year - 1 : year;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return static_cast<QueryTime>(era) * 146097 + dayOfEra - 719468;
}

std::optional<QueryTime> ToTime(const SelCivilTime& c) {
  if (c.month < 1 || c.month > 12 || c.day < 1 || c.day > DaysInMonth(c.year, c.month)) return std::nullopt;
  if (c.hour > 23 || c.minute > 59 || c.second > 59) return std::nullopt;
  return DaysFromCivil(c.year, static_cast<int>(c.month), static_cast<int>(c.day)) * kSecondsPerDay +
         c.hour * kSecondsPerHour + c.minute * kSecondsPerMinute + c.second;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal number that `digits` (digits only) spell.
unsigned Number(std::string_view digits) {
  unsigned value = 0;
  for (const char c : digits) value = value * 10 + static_cast<unsigned>(c - '0');
  return value;
}

// Whether `text` has the shape of `form`: a digit where the form has a
// capital (other than the separator T), the form's own character elsewhere.
bool HasShapeOf(std::string_view text, std::string_view form) {
  if (text.size() != form.size()) return false;
  for (std::size_t i = 0; i < form.size(); ++i) {
    const bool isDigit = form[i] >= 'A' && form[i] <= 'Z' && form[i] != 'T';
    if (isDigit ? !IsDigit(text[i]) : text[i] != form[i]) return false;
  }
  return true;
}

std::optional<QueryTime> ParseDateTime(std::string_view text, DayEnd dayEnd) {
  if (text.ends_with('Z') && text.size() == kDateTimeForm.size() + 1) text.remove_suffix(1);
  std::string withT(text);
  if (withT.size() == kDateTimeForm.size() && withT[kDateForm.size()] == ' ') withT[kDateForm.size()] = 'T';
  const bool dateOnly = HasShapeOf(withT, kDateForm);
  if (!dateOnly && !HasShapeOf(withT, kDateTimeForm)) return std::nullopt;
  const std::string_view t = withT;
  SelCivilTime civil{static_cast<int>(Number(t.substr(0, 4))), Number(t.substr(5, 2)), Number(t.substr(8, 2))};
  if (!dateOnly) {
    civil.hour = Number(t.substr(11, 2));
    civil.minute = Number(t.substr(14, 2));
    civil.second = Number(t.substr(17, 2));
  } else if (dayEnd == DayEnd::kLastSecond) {
    civil.hour = 23, civil.minute = 59, civil.second = 59;
  }
  return ToTime(civil);
}

std::optional<QueryTime> ParseRelative(std::string_view text, QueryTime now) {
  if (text.size() < 3 || text.size() > kRelativeDigitsMax + 2 || text.front() != '-') return std::nullopt;
  QueryTime unit = 0;
  switch (text.back()) {
    case 'm':
      unit = kSecondsPerMinute;
      break;
    case 'h':
      unit = kSecondsPerHour;
      break;
    case 'd':
      unit = kSecondsPerDay;
      break;
    default:
      return std::nullopt;
  }
  const std::string_view digits = text.substr(1, text.size() - 2);
  if (!std::ranges::all_of(digits, IsDigit)) return std::nullopt;
  return now - static_cast<QueryTime>(Number(digits)) * unit;
}

}  // namespace

std::optional<QueryTime> ParseQueryTime(std::string_view text, QueryTime now, DayEnd dayEnd) {
  if (text.starts_with('-')) return ParseRelative(text, now);
  return ParseDateTime(text, dayEnd);
}

std::string FormatRfc3339(QueryTime time) {
  QueryTime days = time / kSecondsPerDay;
  QueryTime seconds = time % kSecondsPerDay;
  if (seconds < 0) {
    seconds += kSecondsPerDay;
    --days;
  }
  // The civil date of a day count (the inverse of DaysFromCivil).
  const QueryTime z = days + 719468;
  const QueryTime era = (z >= 0 ? z : z - 146096) / 146097;
  const QueryTime dayOfEra = z - era * 146097;
  const QueryTime yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const QueryTime dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const QueryTime monthIndex = (5 * dayOfYear + 2) / 153;
  const QueryTime day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  const QueryTime month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  const QueryTime year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  char text[64];
  std::snprintf(text, sizeof text, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lldZ", static_cast<long long>(year),
                static_cast<long long>(month), static_cast<long long>(day),
                static_cast<long long>(seconds / kSecondsPerHour),
                static_cast<long long>(seconds % kSecondsPerHour / kSecondsPerMinute),
                static_cast<long long>(seconds % kSecondsPerMinute));
  return text;
}

std::optional<QueryTime> LogStampTime(std::uint32_t stamp) {
  // The same rule as the lists' date column: what shows as "pre init
  // timestamp" there has no time here.
  const UtcTimeText text = FormatUtcTime(static_cast<std::int32_t>(stamp));
  if (text.date.empty() || text.time.empty()) return std::nullopt;
  return static_cast<QueryTime>(stamp);
}

std::optional<QueryTime> IndexRowTime(std::string_view date, std::string_view time) {
  if (!HasShapeOf(date, kIndexDateForm) || !HasShapeOf(time, kIndexTimeForm)) return std::nullopt;
  return ToTime({static_cast<int>(Number(date.substr(0, 4))), Number(date.substr(4, 2)), Number(date.substr(6, 2)),
                 Number(time.substr(0, 2)), Number(time.substr(2, 2)), Number(time.substr(4, 2))});
}

}  // namespace rcv
