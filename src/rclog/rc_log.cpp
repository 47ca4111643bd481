#include "rclog/rc_log.h"

#include <algorithm>

#include "base/byte_order.h"
#include "shell/failure_report.h"
#include "shell/file_block.h"
#include "shell/roots.h"

namespace rcv {

RcLogHeader DecodeRcLogHeader(std::span<const std::uint8_t> image) {
  RcLogHeader header;
  header.recordCount = static_cast<std::int16_t>(ReadLe16(image, kRcLogCountOffset));
  header.nextSlot = ReadLe16(image, kRcLogNextSlotOffset);
  return header;
}

RcEntry DecodeRcLogRecord(std::span<const std::uint8_t> slot) {
  RcEntry entry;
  entry.timestamp = ReadLe32(slot, kRcRecordStampOffset);
  for (std::size_t i = 0; i < kReferenceCodeSize; ++i) entry.rc[i] = ReadU8(slot, kRcRecordRcOffset + i);
  for (std::size_t i = 0; i < kRcLevelSize; ++i) entry.level[i] = ReadU8(slot, kRcRecordLevelOffset + i);
  return entry;
}

std::size_t NewestRcSlot(std::uint16_t nextSlot) {
  const std::size_t next = nextSlot % kRcLogSlots;
  // The slot before slot 0 is the last one of the ring.
  return next == 0 ? kRcLogSlots - 1 : next - 1;
}

std::vector<std::size_t> NewestFirstRcSlots(const RcLogHeader& header) {
  std::vector<std::size_t> slots;
  if (header.recordCount <= 0) return slots;
  const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(header.recordCount), kRcLogSlots);
  slots.reserve(count);
  std::size_t slot = NewestRcSlot(header.nextSlot);
  for (std::size_t n = 0; n < count; ++n) {
    slots.push_back(slot);
    slot = slot == 0 ? kRcLogSlots - 1 : slot - 1;
  }
  return slots;
}

std::vector<RcEntry> DecodeRcLog(std::span<const std::uint8_t> image) {
  std::vector<RcEntry> entries;
  if (image.size() < kRcLogSize) return entries;
  for (std::size_t slot : NewestFirstRcSlots(DecodeRcLogHeader(image))) {
    entries.push_back(DecodeRcLogRecord(image.subspan(kRcLogHeaderSize + slot * kRcLogSlotSize, kRcLogSlotSize)));
  }
  return entries;
}

int LoadRcLog(std::ostream& out, std::vector<RcEntry>& entries) {
  // A log that can't be opened leaves the cleared image, which reads as empty.
  std::vector<std::uint8_t> image(kRcLogSize, 0);
  const std::string path = VrkLogPath("rc.log");
  std::string reason;
  if (ReadFileBlock(path, image, &reason) == kFileShortRead) {
    out << kRcLogReadFailed << '\n';
    ReportFileFailure(path, reason);
    return -1;
  }
  entries = DecodeRcLog(image);
  return static_cast<int>(entries.size());
}

}  // namespace rcv
