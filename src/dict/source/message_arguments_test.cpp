#include "dict/source/message_arguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace rcv {
namespace {

TEST(ReplaceArgMarkerTest, ReplacesTheFirstMarkerAndTheTenthUsesAColon) {
  std::string line = "%1 and %1 %:%0";
  EXPECT_EQ(0, ReplaceArgMarker(line, 1, "U1"));
  EXPECT_EQ(0, ReplaceArgMarker(line, 10, "TEN"));
  EXPECT_EQ("U1 and %1 TEN%0", line);
  EXPECT_EQ(-1, ReplaceArgMarker(line, 0, "Z"));
  EXPECT_EQ(-1, ReplaceArgMarker(line, 11, "Z"));
  EXPECT_EQ(-1, ReplaceArgMarker(line, 2, "Z"));
  EXPECT_EQ("U1 and %1 TEN%0", line);
}

TEST(FillArgMarkersTest, StopsAtTheFirstEmptyArgumentAndKeepsTheLineWithinItsBuffer) {
  std::string line = "%1 %2 %3";
  FillArgMarkers(line, std::vector<std::string>{"A", "", "C"});
  EXPECT_EQ("A %2 %3", line);
  line = "at %1 end";
  FillArgMarkers(line, std::vector<std::string>{std::string(300, 'x')});
  EXPECT_EQ("at " + std::string(kMessageLineMax - 3, 'x'), line);
}

}  // namespace
}  // namespace rcv
