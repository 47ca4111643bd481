// rc.log: a 32-byte header and a ring of 2048 slots of 32 bytes, written by
// the monitoring service. The screens read it whole and walk the ring back
// from the newest record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "shell/reference_code.h"

namespace rcv {

inline constexpr std::size_t kRcLogHeaderSize = 32;
inline constexpr std::size_t kRcLogSlots = 2048;
inline constexpr std::size_t kRcLogSlotSize = 32;
inline constexpr std::size_t kRcLogSize = kRcLogHeaderSize + kRcLogSlots * kRcLogSlotSize;
static_assert(kRcLogSize == 65568);

// Header fields.
inline constexpr std::size_t kRcLogCountOffset = 2;     // signed 16-bit
inline constexpr std::size_t kRcLogNextSlotOffset = 4;  // unsigned 16-bit
// The erase resets exactly the bytes from the count to the end of the next slot.
inline constexpr std::size_t kRcLogResetOffset = kRcLogCountOffset;
inline constexpr std::size_t kRcLogResetSize = 4;
static_assert(kRcLogNextSlotOffset + 2 == kRcLogResetOffset + kRcLogResetSize);

// Record fields, relative to the slot.
inline constexpr std::size_t kRcRecordStampOffset = 0;
inline constexpr std::size_t kRcRecordRcOffset = 4;
inline constexpr std::size_t kRcRecordLevelOffset = 16;
inline constexpr std::size_t kRcLevelSize = 2;
static_assert(kRcRecordRcOffset + kReferenceCodeSize == kRcRecordLevelOffset);
static_assert(kRcRecordLevelOffset + kRcLevelSize <= kRcLogSlotSize);

inline constexpr std::string_view kRcLogReadFailed = "RC LOG read failed.";

struct RcLogHeader {
  std::int16_t recordCount = 0;  // 0 or negative: the log is empty
  std::uint16_t nextSlot = 0;    // the slot the next record will take
};

struct RcEntry {
  std::uint32_t timestamp = 0;
  std::array<std::uint8_t, kRcLevelSize> level{};
  ReferenceCode rc{};
};

RcLogHeader DecodeRcLogHeader(std::span<const std::uint8_t> image);
RcEntry DecodeRcLogRecord(std::span<const std::uint8_t> slot);

// The slot of the newest record. A next slot beyond the ring is taken modulo
// 2048, so that no header, however damaged, addresses outside the ring.
std::size_t NewestRcSlot(std::uint16_t nextSlot);
// The slots of the listed records, newest first: at most 2048, none for a
// count of 0 or below.
std::vector<std::size_t> NewestFirstRcSlots(const RcLogHeader& header);
// The records of a whole image, newest first.
std::vector<RcEntry> DecodeRcLog(std::span<const std::uint8_t> image);

// Reads rc.log into `entries`, newest first. A missing log reads as empty.
// Returns the number of entries, or -1 after printing why to `out`.
int LoadRcLog(std::ostream& out, std::vector<RcEntry>& entries);

}  // namespace rcv
