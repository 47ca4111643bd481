#include "sel/sel_log.h"

#include <gtest/gtest.h>

#include <array>

#include "fixture/sel_log_writer.h"

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

TEST(SelLineTest, ColumnsComeFromTheirBytes) {
  fixture::SelLogValues values;
  values.newestIndex = 1;
  values.slots.resize(2);
  values.slots[1] = {.recordId = 0x1234,
                     .recordType = 0x02,
                     .timestamp = 1000000000,
                     .generatorId = 0x0020,
                     .eventRevision = 0x04,
                     .sensorType = 0x01,
                     .sensorNumber = 0x30,
                     .eventType = 0x81,
                     .eventData = {0x59, 0x4B, 0x46},
                     .extra = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}};
  values.slots[0].timestamp = 0x20000000;
  const std::vector<std::uint8_t> image = fixture::BuildSelLog(values);
  const std::span<const std::uint8_t, kSelLogSize> log(image.data(), kSelLogSize);
  EXPECT_EQ("01/09/09 01:46:40   3412 02 2000 04 0130 81 594B46\n", FormatSelLine(log, 1));
  EXPECT_EQ("pre init timestamp  0000 02 2000 04 0000 00 000000\n", FormatSelLine(log, 0));
}

}  // namespace
}  // namespace rcv
