#include "rclog/rc_log.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

using Slots = std::vector<std::size_t>;

// The screen tests walk the ring as the service writes it; these are the
// headers it never writes, with a next slot beyond the ring.
TEST(RcLogRingTest, NextSlotBeyondTheRingIsTakenModulo2048) {
  const std::pair<std::uint16_t, Slots> cases[] = {
      {2048, {2047, 2046, 2045}}, {2049, {0, 2047, 2046}}, {2050, {1, 0, 2047}}, {0xFFFF, {2046, 2045, 2044}}};
  for (const auto& [next, slots] : cases) EXPECT_EQ(slots, NewestFirstRcSlots(RcLogHeader{3, next})) << next;
}

TEST(RcLogRingTest, NoNextSlotAddressesOutsideTheRing) {
  for (std::uint32_t next = 0; next <= 0xFFFF; ++next) {
    for (std::size_t slot : NewestFirstRcSlots(RcLogHeader{3, static_cast<std::uint16_t>(next)})) {
      ASSERT_LT(slot, kRcLogSlots) << next;
    }
  }
}

}  // namespace
}  // namespace rcv
