#include "rcquery/query_time.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <random>

namespace rcv {
namespace {

constexpr QueryTime kNow = 1796637600;  // 2026-12-07T10:00:00Z

TEST(QueryTimeTest, FormsOfTime) {
  struct Case {
    std::string text;
    DayEnd dayEnd;
    std::optional<QueryTime> time;
  };
  const Case cases[] = {
      {"2026-12-07", DayEnd::kFirstSecond, 1796601600},
      {"2026-12-07", DayEnd::kLastSecond, 1796687999},
      {"2026-12-07T10:00:00", DayEnd::kLastSecond, kNow},
      {"2026-12-07T10:00:00Z", DayEnd::kFirstSecond, kNow},
      {"2026-12-07 10:00:00", DayEnd::kFirstSecond, kNow},
      {"-30m", DayEnd::kFirstSecond, kNow - 1800},
      {"-12h", DayEnd::kLastSecond, kNow - 43200},
      {"-7d", DayEnd::kFirstSecond, kNow - 604800},
      {"-0d", DayEnd::kFirstSecond, kNow},
      {"2026-12-07T10:00", DayEnd::kFirstSecond, std::nullopt},
      {"2026/12/07", DayEnd::kFirstSecond, std::nullopt},
      {"-7w", DayEnd::kFirstSecond, std::nullopt},
      {"-d", DayEnd::kFirstSecond, std::nullopt},
      {"-1234567890d", DayEnd::kFirstSecond, std::nullopt},
      {"", DayEnd::kFirstSecond, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(c.time, ParseQueryTime(c.text, kNow, c.dayEnd)) << c.text;
}

// Random fields, now and then out of range, against the C library's
// calendar: a time that exists reads as timegm's value, as a typed time and
// as an index row, and is written back as the same text; any other is
// refused.
TEST(QueryTimeTest, FieldsAgreeWithTheCLibraryCalendar) {
  std::mt19937 random(20261207);
  const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  for (int i = 0; i < 20000; ++i) {
    const std::array<int, 6> fields = {pick(0, 9999), pick(1, 13), pick(0, 32), pick(0, 24), pick(0, 60), pick(0, 60)};
    std::tm parts{};
    parts.tm_year = fields[0] - 1900, parts.tm_mon = fields[1] - 1, parts.tm_mday = fields[2];
    parts.tm_hour = fields[3], parts.tm_min = fields[4], parts.tm_sec = fields[5];
    // timegm carries fields out of range over into the next ones.
    const QueryTime time = timegm(&parts);
    const bool exists = fields == std::array<int, 6>{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                                                     parts.tm_hour,        parts.tm_min,     parts.tm_sec};
    const std::optional<QueryTime> expected = exists ? std::optional(time) : std::nullopt;
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", fields[0], fields[1], fields[2], fields[3],
                  fields[4], fields[5]);
    const std::string_view typed = text;
    EXPECT_EQ(expected, ParseQueryTime(typed, kNow, DayEnd::kLastSecond)) << typed;
    EXPECT_EQ(expected, IndexRowTime(std::string(typed.substr(0, 10)).erase(4, 1).erase(6, 1),
                                     std::string(typed.substr(11, 8)).erase(2, 1).erase(4, 1)))
        << typed;
    if (exists) {
      EXPECT_EQ(typed, FormatRfc3339(time));
    }
  }
}

TEST(QueryTimeTest, LogStampsAndIndexRows) {
  EXPECT_EQ(std::nullopt, LogStampTime(0x20000000));
  EXPECT_EQ(std::nullopt, LogStampTime(0x80000000));
  EXPECT_EQ(kNow, LogStampTime(static_cast<std::uint32_t>(kNow)));
  EXPECT_EQ(std::nullopt, IndexRowTime("20261207", "10000"));
  EXPECT_EQ(std::nullopt, IndexRowTime("2026120x", "100000"));
}

}  // namespace
}  // namespace rcv
