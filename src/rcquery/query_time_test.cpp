#include "rcquery/query_time.h"

#include <gtest/gtest.h>

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
      {"2024-02-29", DayEnd::kFirstSecond, 1709164800},
      {"1969-12-31T23:59:59Z", DayEnd::kFirstSecond, -1},
      {"-30m", DayEnd::kFirstSecond, kNow - 1800},
      {"-12h", DayEnd::kLastSecond, kNow - 43200},
      {"-7d", DayEnd::kFirstSecond, kNow - 604800},
      {"-0d", DayEnd::kFirstSecond, kNow},
      {"2025-02-29", DayEnd::kFirstSecond, std::nullopt},
      {"2026-13-01", DayEnd::kFirstSecond, std::nullopt},
      {"2026-12-07T24:00:00", DayEnd::kFirstSecond, std::nullopt},
      {"2026-12-07T10:00", DayEnd::kFirstSecond, std::nullopt},
      {"2026/12/07", DayEnd::kFirstSecond, std::nullopt},
      {"-7w", DayEnd::kFirstSecond, std::nullopt},
      {"-d", DayEnd::kFirstSecond, std::nullopt},
      {"-1234567890d", DayEnd::kFirstSecond, std::nullopt},
      {"", DayEnd::kFirstSecond, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(c.time, ParseQueryTime(c.text, kNow, c.dayEnd)) << c.text;
}

// Every formatted time reads back as itself.
TEST(QueryTimeTest, FormattedTimesReadBack) {
  std::mt19937_64 random(20261207);
  std::uniform_int_distribution<QueryTime> times(-2'000'000'000, 8'000'000'000);
  EXPECT_EQ("1970-01-01T00:00:00Z", FormatRfc3339(0));
  for (int i = 0; i < 10000; ++i) {
    const QueryTime time = times(random);
    EXPECT_EQ(time, ParseQueryTime(FormatRfc3339(time), kNow, DayEnd::kLastSecond)) << FormatRfc3339(time);
  }
}

TEST(QueryTimeTest, LogStampsAndIndexRows) {
  EXPECT_EQ(std::nullopt, LogStampTime(0x20000000));
  EXPECT_EQ(std::nullopt, LogStampTime(0x80000000));
  EXPECT_EQ(kNow, LogStampTime(static_cast<std::uint32_t>(kNow)));
  EXPECT_EQ(kNow, IndexRowTime("20261207", "100000"));
  EXPECT_EQ(std::nullopt, IndexRowTime("20261207", "10000"));
  EXPECT_EQ(std::nullopt, IndexRowTime("2026120x", "100000"));
}

}  // namespace
}  // namespace rcv
