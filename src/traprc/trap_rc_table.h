// atraprc.tqr: 16 records of 32 bytes, no header, shared with the monitoring
// service. Used records come first in the order they were added, trap and
// ignore records interleaved; the first free record ends the table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "traprc/rc_pattern.h"

namespace rcv {

inline constexpr std::size_t kTrapRcRecordSize = 32;
inline constexpr std::size_t kTrapRcRecords = 16;
inline constexpr std::size_t kTrapRcTableSize = kTrapRcRecordSize * kTrapRcRecords;
static_assert(kTrapRcTableSize == 512);
// The editor keeps the last record free, so that it always ends the table.
inline constexpr std::size_t kTrapRcUsedLimit = kTrapRcRecords - 1;

// Record kinds. Any kind but the free one counts as used.
inline constexpr std::uint8_t kTrapKind = 0x00;
inline constexpr std::uint8_t kIgnoreKind = 0x80;
inline constexpr std::uint8_t kFreeKind = 0xFF;

using TrapRcTable = std::array<std::uint8_t, kTrapRcTableSize>;

std::uint8_t RecordKind(const TrapRcTable& table, std::size_t index);
RcPattern RecordPattern(const TrapRcTable& table, std::size_t index);

// Records before the first free one, at most all 16.
std::size_t CountUsedRecords(const TrapRcTable& table);

// Writes the record into the first free place; the table must have one.
void AppendRecord(TrapRcTable& table, std::uint8_t kind, const RcPattern& pattern);

// Moves the records after `index` one place up, to the first free record
// included; in a table without a free record the last place becomes free.
void RemoveRecord(TrapRcTable& table, std::size_t index);

// The printable form of one used record.
struct TrapRcView {
  std::uint8_t kind = kFreeKind;
  std::string pattern;  // FormatRcPattern of the record
  std::size_t fileIndex = 0;
};

std::vector<TrapRcView> UsedRecordViews(const TrapRcTable& table);

}  // namespace rcv
