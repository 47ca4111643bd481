#include "sel/sel_log.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

std::vector<std::size_t> Walk(std::uint32_t newest, std::uint8_t wrapMark) {
  return SelSlotsNewestFirst({newest, kSelValidMark, wrapMark});
}

TEST(SelWalkTest, IndexesOutsideTheRingListNothing) {
  for (std::uint32_t newest : {512u, 0xFFFFFFFEu, 0xFFFFFFFFu}) {
    EXPECT_EQ(SelCheck::kInvalid, CheckSelHeader({newest, kSelValidMark, 0xFF}));
    EXPECT_TRUE(Walk(newest, 0xFF).empty());
  }
  EXPECT_EQ(SelCheck::kInvalid, CheckSelHeader({0, 0xFE, 0xFF}));
}

}  // namespace
}  // namespace rcv
