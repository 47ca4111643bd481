#include "rclog/rc_log.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"

namespace rcv {
namespace {

using Slots = std::vector<std::size_t>;

RcLogHeader Header(std::int16_t count, std::uint16_t next) { return RcLogHeader{count, next}; }

TEST(RcLogRingTest, NewestSlotIsTheOneBeforeTheNextSlot) {
  EXPECT_EQ(2u, NewestRcSlot(3));
  EXPECT_EQ(2047u, NewestRcSlot(0));
  EXPECT_EQ(2047u, NewestRcSlot(2048));
  // Beyond the ring the next slot is taken modulo 2048.
  EXPECT_EQ(0u, NewestRcSlot(2049));
  EXPECT_EQ(2046u, NewestRcSlot(0xFFFF));
}

TEST(RcLogRingTest, WalksBackFromTheNewestAndWrapsBelowSlotZero) {
  EXPECT_EQ((Slots{2, 1, 0}), NewestFirstRcSlots(Header(3, 3)));
  EXPECT_EQ((Slots{0, 2047, 2046, 2045, 2044}), NewestFirstRcSlots(Header(5, 1)));
  EXPECT_EQ((Slots{1, 0, 2047}), NewestFirstRcSlots(Header(3, 2050)));
}

TEST(RcLogRingTest, ListsAtMostTheWholeRingAndNothingForEmptyCounts) {
  const Slots full = NewestFirstRcSlots(Header(5000, 0));
  ASSERT_EQ(2048u, full.size());
  EXPECT_EQ(2047u, full.front());
  EXPECT_EQ(0u, full.back());
  EXPECT_EQ(Slots{}, NewestFirstRcSlots(Header(0, 7)));
  EXPECT_EQ(Slots{}, NewestFirstRcSlots(Header(-1, 7)));
  EXPECT_EQ(Slots{}, NewestFirstRcSlots(Header(INT16_MIN, 7)));
}

TEST(RcLogRingTest, NoNextSlotAddressesOutsideTheRing) {
  for (std::uint32_t next = 0; next <= 0xFFFF; ++next) {
    for (std::size_t slot : NewestFirstRcSlots(Header(3, static_cast<std::uint16_t>(next)))) {
      ASSERT_LT(slot, kRcLogSlots) << next;
    }
  }
}

TEST(RcLogDecodeTest, ReadsHeaderAndRecordFieldsAtTheirOffsets) {
  fixture::RcLogValues log;
  log.recordCount = 0x8001;
  log.nextSlot = 0x0102;
  const std::vector<std::uint8_t> image = fixture::RcLogBytes(log);
  const RcLogHeader header = DecodeRcLogHeader(image);
  EXPECT_EQ(-32767, header.recordCount);
  EXPECT_EQ(0x0102, header.nextSlot);

  fixture::RcLogValues one;
  fixture::RcLogRecordValues record;
  record.timestamp = 0xA1B2C3D4;
  record.level = "U3";
  record.rc = {0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x76, 0x87, 0x98, 0xA9, 0xBA, 0xCB};
  fixture::AppendRcRecord(one, record);
  const std::vector<RcEntry> entries = DecodeRcLog(fixture::RcLogBytes(one));
  ASSERT_EQ(1u, entries.size());
  EXPECT_EQ(0xA1B2C3D4u, entries[0].timestamp);
  EXPECT_EQ((std::array<std::uint8_t, 2>{'U', '3'}), entries[0].level);
  EXPECT_EQ(record.rc, entries[0].rc);
}

TEST(RcLogDecodeTest, WrappedRingComesOutNewestFirst) {
  const std::vector<RcEntry> entries = DecodeRcLog(fixture::RcLogBytes(fixture::NumberedRcLog(2050)));
  ASSERT_EQ(2048u, entries.size());
  EXPECT_EQ(fixture::NumberedRc(2049), entries.front().rc);
  EXPECT_EQ(fixture::NumberedRc(2), entries.back().rc);
}

class RcLogLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    tree_.Activate();
  }
  void WriteImage(std::vector<std::uint8_t> image) { tree_.WriteFile(tree_.VrkLogDir() / "rc.log", image); }

  fixture::FixtureTree tree_;
  std::ostringstream out_;
  std::vector<RcEntry> entries_;
};

TEST_F(RcLogLoadTest, MissingLogReadsAsEmpty) {
  EXPECT_EQ(0, LoadRcLog(out_, entries_));
  EXPECT_EQ("", out_.str());
}

TEST_F(RcLogLoadTest, ShortLogFailsWithItsMessageAtEveryCut) {
  const std::vector<std::uint8_t> image = fixture::RcLogBytes(fixture::NumberedRcLog(4));
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{32}, kRcLogSize - 1}) {
    WriteImage(std::vector<std::uint8_t>(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size)));
    std::ostringstream out;
    EXPECT_EQ(-1, LoadRcLog(out, entries_)) << size;
    EXPECT_EQ("RC LOG read failed.\n", out.str()) << size;
  }
}

TEST_F(RcLogLoadTest, LongerLogIsReadInItsFirstBytes) {
  std::vector<std::uint8_t> image = fixture::RcLogBytes(fixture::NumberedRcLog(4));
  image.resize(image.size() + 100, 0x5A);
  WriteImage(image);
  ASSERT_EQ(4, LoadRcLog(out_, entries_));
  EXPECT_EQ(fixture::NumberedRc(3), entries_[0].rc);
  EXPECT_EQ(fixture::NumberedRc(0), entries_[3].rc);
}

}  // namespace
}  // namespace rcv
