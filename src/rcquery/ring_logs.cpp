#include "rcquery/ring_logs.h"

#include <algorithm>
#include <cstdint>

#include "base/byte_order.h"
#include "rclog/rc_log.h"
#include "rcquery/rc_source.h"
#include "rcquery/sel_source.h"
#include "rcquery/sha256_digest.h"
#include "sel/sel_log.h"
#include "shell/roots.h"

namespace rcv {

namespace {

constexpr std::size_t kSlotDigestDigits = 16;
// A count at the top of its 16 bits has stopped counting.
constexpr std::int16_t kRcCountSaturated = 0x7FFF;

// Reads the log until two reads in a row give the same bytes.
std::string ReadSteadily(const std::string& path, std::size_t minSize, std::vector<std::uint8_t>& bytes) {
  std::string error = ReadLogBytes(path, minSize, bytes);
  for (int tries = 1; error.empty() && tries < kSteadyReadTries; ++tries) {
    std::vector<std::uint8_t> again;
    error = ReadLogBytes(path, minSize, again);
    if (again == bytes) break;
    bytes = std::move(again);
  }
  return error;
}

void AddSlots(std::span<const std::uint8_t> image, std::size_t firstOffset, std::size_t slotSize,
              std::size_t stampOffset, RingImage& ring) {
  ring.digests.resize(ring.slotCount);
  ring.times.resize(ring.slotCount);
  for (std::size_t slot = 0; slot < ring.slotCount; ++slot) {
    const std::span<const std::uint8_t> bytes = image.subspan(firstOffset + slot * slotSize, slotSize);
    ring.digests[slot] = SlotDigest(bytes);
    ring.times[slot] = ReadLe32(bytes, stampOffset);
  }
}

}  // namespace

std::string SlotDigest(std::span<const std::uint8_t> bytes) { return Sha256Hex(bytes).substr(0, kSlotDigestDigits); }

RingRead ReadRcRing() {
  RingRead read;
  std::vector<std::uint8_t> bytes;
  read.error = ReadSteadily(VrkLogPath("rc.log"), kRcLogSize, bytes);
  if (!read.error.empty()) return read;
  const std::span<const std::uint8_t> image(bytes);
  const RcLogHeader header = DecodeRcLogHeader(image);
  RingImage& ring = read.image;
  ring.slotCount = kRcLogSlots;
  ring.listed = NewestFirstRcSlots(header);
  std::reverse(ring.listed.begin(), ring.listed.end());
  if (header.recordCount >= 0 && header.recordCount < kRcCountSaturated) ring.sequence = header.recordCount;
  AddSlots(image, kRcLogHeaderSize, kRcLogSlotSize, kRcRecordStampOffset, ring);
  read.entries = RcSourceOf(image).entries;
  return read;
}

RingRead ReadSelRing() {
  RingRead read;
  std::vector<std::uint8_t> bytes;
  const std::string path = VrkLogPath("sel.log");
  read.error = ReadSteadily(path, kSelLogSize, bytes);
  if (!read.error.empty()) return read;
  const std::span<const std::uint8_t, kSelLogSize> image(bytes.data(), kSelLogSize);
  const SelHeader header = DecodeSelHeader(image);
  RingImage& ring = read.image;
  ring.slotCount = kSelSlotCount;
  AddSlots(image, kSelHeaderSize, kSelEntrySize, kSelTimestampOffset, ring);
  // A log that has no entry written yet is an empty ring.
  if (header.newestIndex == kSelNothingWritten && header.validity == kSelValidMark) return read;
  SourceRead entries = SelSourceOf(image, path);
  if (!entries.errors.empty()) {
    read.error = entries.errors.front();
    return read;
  }
  ring.listed = SelSlotsNewestFirst(header);
  std::reverse(ring.listed.begin(), ring.listed.end());
  read.entries = std::move(entries.entries);
  return read;
}

}  // namespace rcv
