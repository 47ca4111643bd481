#include "sel/sel_log.h"

#include <cstdio>

#include "base/byte_order.h"
#include "base/utc_time.h"

namespace rcv {

SelHeader DecodeSelHeader(std::span<const std::uint8_t, kSelLogSize> log) {
  return {ReadLe32(log, kSelNewestIndexOffset), ReadU8(log, kSelValidityOffset), ReadU8(log, kSelWrapMarkOffset)};
}

SelCheck CheckSelHeader(const SelHeader& header) {
  if (header.validity != kSelValidMark) return SelCheck::kInvalid;
  // Nothing written yet, or an index outside the ring: nothing can be listed.
  if (header.newestIndex >= kSelSlotCount) return SelCheck::kInvalid;
  return SelCheck::kValid;
}

std::string SelHeaderFault(const SelHeader& header) {
  char text[96];
  if (header.validity != kSelValidMark) {
    std::snprintf(text, sizeof text, "validity mark is 0x%02X, expected 0xFF", header.validity);
  } else if (header.newestIndex == kSelNothingWritten) {
    std::snprintf(text, sizeof text, "no entry written yet (newest index 0xFFFFFFFF)");
  } else {
    std::snprintf(text, sizeof text, "newest index %u lies outside the %zu-slot ring", header.newestIndex,
                  kSelSlotCount);
  }
  return text;
}

std::vector<std::size_t> SelSlotsNewestFirst(const SelHeader& header) {
  std::vector<std::size_t> slots;
  if (CheckSelHeader(header) != SelCheck::kValid) return slots;
  const bool wrapped = header.wrapMark == kSelWrappedMark;
  std::size_t slot = header.newestIndex;
  for (std::size_t line = 0; line < kSelSlotCount; ++line) {
    slots.push_back(slot);
    if (slot == 0) {
      if (!wrapped) break;
      slot = kSelSlotCount;
    }
    --slot;
  }
  return slots;
}

std::string FormatSelLine(std::span<const std::uint8_t, kSelLogSize> log, std::size_t slot) {
  const std::span<const std::uint8_t> entry =
      std::span<const std::uint8_t>(log).subspan(SelSlotOffset(slot), kSelEntrySize);
  const auto byte = [&entry](std::size_t offset) { return static_cast<unsigned>(ReadU8(entry, offset)); };
  const std::string stamp = FormatStampColumn(ReadLe32(entry, kSelTimestampOffset));
  char line[128];
  std::snprintf(line, sizeof line, "%s  %02X%02X %02X %02X%02X %02X %02X%02X %02X %02X%02X%02X\n", stamp.c_str(),
                byte(kSelRecordIdOffset), byte(kSelRecordIdOffset + 1), byte(kSelRecordTypeOffset),
                byte(kSelGeneratorIdOffset), byte(kSelGeneratorIdOffset + 1), byte(kSelEventRevisionOffset),
                byte(kSelSensorTypeOffset), byte(kSelSensorNumberOffset), byte(kSelEventTypeOffset),
                byte(kSelEventDataOffset), byte(kSelEventDataOffset + 1), byte(kSelEventDataOffset + 2));
  return line;
}

}  // namespace rcv
