#include "base/utc_time.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

TEST(FormatUtcTimeTest, ValidStamps) {
  const UtcTimeText first = FormatUtcTime(0x20000001);
  EXPECT_EQ("87/01/05", first.date);
  EXPECT_EQ("18:48:33", first.time);
  const UtcTimeText billennium = FormatUtcTime(1000000000);
  EXPECT_EQ("01/09/09", billennium.date);
  EXPECT_EQ("01:46:40", billennium.time);
  const UtcTimeText last = FormatUtcTime(0x7FFFFFFF);
  EXPECT_EQ("38/01/19", last.date);
  EXPECT_EQ("03:14:07", last.time);
}

TEST(FormatUtcTimeTest, PreInitStampsGiveEmptyTexts) {
  for (std::int32_t stamp : {0x20000000, 0, 1, -1, static_cast<std::int32_t>(0x80000000)}) {
    const UtcTimeText text = FormatUtcTime(stamp);
    EXPECT_EQ("", text.date) << stamp;
    EXPECT_EQ("", text.time) << stamp;
  }
}

}  // namespace
}  // namespace rcv
