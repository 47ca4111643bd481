// sel.log: a 1024-byte header and a ring of 512 entries of 24 bytes, the
// first 16 bytes of each an IPMI SEL event record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rcv {

inline constexpr std::size_t kSelHeaderSize = 1024;
inline constexpr std::size_t kSelSlotCount = 512;
inline constexpr std::size_t kSelEntrySize = 24;
inline constexpr std::size_t kSelLogSize = kSelHeaderSize + kSelSlotCount * kSelEntrySize;
static_assert(kSelLogSize == 13312);

// Header fields.
inline constexpr std::size_t kSelNewestIndexOffset = 4;
inline constexpr std::size_t kSelValidityOffset = 8;
inline constexpr std::size_t kSelWrapMarkOffset = 9;
inline constexpr std::uint32_t kSelNothingWritten = 0xFFFFFFFF;
inline constexpr std::uint8_t kSelValidMark = 0xFF;
inline constexpr std::uint8_t kSelWrappedMark = 0xFF;

// Entry fields.
inline constexpr std::size_t kSelRecordIdOffset = 0;
inline constexpr std::size_t kSelRecordTypeOffset = 2;
inline constexpr std::size_t kSelTimestampOffset = 3;
inline constexpr std::size_t kSelGeneratorIdOffset = 7;
inline constexpr std::size_t kSelEventRevisionOffset = 9;
inline constexpr std::size_t kSelSensorTypeOffset = 10;
inline constexpr std::size_t kSelSensorNumberOffset = 11;
inline constexpr std::size_t kSelEventTypeOffset = 12;
inline constexpr std::size_t kSelEventDataOffset = 13;
inline constexpr std::size_t kSelEventDataSize = 3;
inline constexpr std::size_t kSelExtraOffset = 16;

constexpr std::size_t SelSlotOffset(std::size_t slot) { return kSelHeaderSize + slot * kSelEntrySize; }

enum class SelCheck { kValid, kInvalid };

struct SelHeader {
  std::uint32_t newestIndex = kSelNothingWritten;
  std::uint8_t validity = 0;
  std::uint8_t wrapMark = 0;
};

SelHeader DecodeSelHeader(std::span<const std::uint8_t, kSelLogSize> log);

// Whether the header describes entries that lie in the ring.
SelCheck CheckSelHeader(const SelHeader& header);
// What is wrong with a header that fails the check, in a few words.
std::string SelHeaderFault(const SelHeader& header);

// The slots to list, newest first: from the newest index down to 0, then,
// when the ring has wrapped, from 511 down to the slot after the newest.
std::vector<std::size_t> SelSlotsNewestFirst(const SelHeader& header);

// One listing line (with its line feed) for the entry at `slot`.
std::string FormatSelLine(std::span<const std::uint8_t, kSelLogSize> log, std::size_t slot);

}  // namespace rcv
