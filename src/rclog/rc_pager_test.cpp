#include "rclog/rc_pager.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rcv {
namespace {

constexpr const char* kPause = "\n!!!!!!!!!! Watch Next Page !!!!!!!!!!\nPRESS ENTER KEY\n\n";

std::string Lines(int from, int to) {
  std::string lines;
  for (int i = from; i <= to; ++i) lines += std::to_string(i) + "\n";
  return lines;
}

TEST(RcPagerTest, PausesAfterEveryTwentiethLine) {
  std::istringstream in("\n\n");
  std::ostringstream out;
  Console console(in, out);
  RcPager pager(console);
  for (int i = 1; i <= 45; ++i) pager.Print(std::to_string(i) + "\n");
  EXPECT_EQ(Lines(1, 20) + kPause + Lines(21, 40) + kPause + Lines(41, 45), out.str());
  EXPECT_EQ(5u, pager.count());
}

TEST(RcPagerTest, NineteenLinesDoNotPause) {
  std::istringstream in;
  std::ostringstream out;
  Console console(in, out);
  RcPager pager(console);
  for (int i = 1; i <= 19; ++i) pager.Print(std::to_string(i) + "\n");
  EXPECT_EQ(Lines(1, 19), out.str());
}

TEST(RcPagerTest, EachCallCountsAsOneLineWhateverItHolds) {
  std::istringstream in;
  std::ostringstream out;
  Console console(in, out);
  RcPager pager(console);
  for (int i = 0; i < 19; ++i) pager.Print("a\nb\n");
  pager.Print("");
  EXPECT_EQ(0u, pager.count());
  EXPECT_NE(std::string::npos, out.str().find(kPause));
}

}  // namespace
}  // namespace rcv
