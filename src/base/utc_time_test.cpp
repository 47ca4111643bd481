#include "base/utc_time.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

TEST(FormatUtcTimeTest, ValidStamps) {
  const std::pair<std::int32_t, std::string> cases[] = {
      {0x20000001, "87/01/05 18:48:33"}, {1000000000, "01/09/09 01:46:40"}, {0x7FFFFFFF, "38/01/19 03:14:07"}};
  for (const auto& [stamp, expected] : cases) {
    const UtcTimeText text = FormatUtcTime(stamp);
    EXPECT_EQ(expected, text.date + " " + text.time);
  }
}

}  // namespace
}  // namespace rcv
