#include "dict/message_arguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace rcv {
namespace {

TEST(ReplaceArgMarkerTest, ReplacesTheFirstMarkerOfTheArgument) {
  std::string line = "%1 and %1";
  EXPECT_EQ(0, ReplaceArgMarker(line, 1, "U1"));
  EXPECT_EQ("U1 and %1", line);
}

TEST(ReplaceArgMarkerTest, TenthArgumentUsesColon) {
  std::string line = "x%:y%0";
  EXPECT_EQ(0, ReplaceArgMarker(line, 10, "TEN"));
  EXPECT_EQ("xTENy%0", line);
}

TEST(ReplaceArgMarkerTest, RefusesOtherNumbersAndMissingMarkers) {
  std::string line = "%0 %1";
  EXPECT_EQ(-1, ReplaceArgMarker(line, 0, "Z"));
  EXPECT_EQ(-1, ReplaceArgMarker(line, 11, "Z"));
  EXPECT_EQ(-1, ReplaceArgMarker(line, 2, "Z"));
  EXPECT_EQ("%0 %1", line);
}

TEST(FillArgMarkersTest, FillsArgumentsInOrder) {
  const std::vector<std::string> args = {"U1", "P3"};
  std::string line = "Unit %1 failed at %2";
  FillArgMarkers(line, args);
  EXPECT_EQ("Unit U1 failed at P3", line);
}

TEST(FillArgMarkersTest, StopsAtTheFirstEmptyArgument) {
  const std::vector<std::string> args = {"A", "", "C"};
  std::string line = "%1 %2 %3";
  FillArgMarkers(line, args);
  EXPECT_EQ("A %2 %3", line);
}

TEST(FillArgMarkersTest, KeepsTheLineWithinItsBuffer) {
  const std::vector<std::string> args = {std::string(300, 'x')};
  std::string line = "at %1 end";
  FillArgMarkers(line, args);
  EXPECT_EQ("at " + std::string(kMessageLineMax - 3, 'x'), line);
}

}  // namespace
}  // namespace rcv
