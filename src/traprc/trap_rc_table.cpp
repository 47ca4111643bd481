#include "traprc/trap_rc_table.h"

#include <algorithm>
#include <span>

#include "base/byte_order.h"

namespace rcv {

namespace {

// A record is two halves of one shape: the value half, led by the kind, and
// the mask half, led by a reserved byte.
constexpr std::size_t kValueHalfOffset = 0;
constexpr std::size_t kMaskHalfOffset = 16;
constexpr std::size_t kKindOffset = 0;
constexpr std::size_t kRtEnOffset = 1;
constexpr std::size_t kUnitIdOffset = 2;  // unsigned 16-bit
constexpr std::size_t kEventCodeOffset = 4;
constexpr std::size_t kFailureCodeOffset = 8;      // unsigned 32-bit
constexpr std::size_t kAdditionalCodeOffset = 12;  // unsigned 32-bit
// Where each field sits in the RC's own byte order.
constexpr std::size_t kRcRtEn = 0;
constexpr std::size_t kRcUnitId = 1;
constexpr std::size_t kRcEventCode = 3;
constexpr std::size_t kRcFailureCode = 4;
constexpr std::size_t kRcAdditionalCode = 8;

std::span<std::uint8_t> Record(TrapRcTable& table, std::size_t index) {
  return std::span(table).subspan(index * kTrapRcRecordSize, kTrapRcRecordSize);
}

std::span<const std::uint8_t> Record(const TrapRcTable& table, std::size_t index) {
  return std::span(table).subspan(index * kTrapRcRecordSize, kTrapRcRecordSize);
}

std::uint32_t RcNumber(const ReferenceCode& rc, std::size_t offset, std::size_t width) {
  std::uint32_t number = 0;
  for (std::size_t i = 0; i < width; ++i) number = number << 8 | rc[offset + i];
  return number;
}

void PutRcNumber(ReferenceCode& rc, std::size_t offset, std::size_t width, std::uint32_t number) {
  for (std::size_t i = width; i-- > 0; number >>= 8) rc[offset + i] = static_cast<std::uint8_t>(number);
}

ReferenceCode ReadHalf(std::span<const std::uint8_t> record, std::size_t half) {
  ReferenceCode rc{};
  rc[kRcRtEn] = ReadU8(record, half + kRtEnOffset);
  PutRcNumber(rc, kRcUnitId, 2, ReadLe16(record, half + kUnitIdOffset));
  rc[kRcEventCode] = ReadU8(record, half + kEventCodeOffset);
  PutRcNumber(rc, kRcFailureCode, 4, ReadLe32(record, half + kFailureCodeOffset));
  PutRcNumber(rc, kRcAdditionalCode, 4, ReadLe32(record, half + kAdditionalCodeOffset));
  return rc;
}

// Leaves the reserved bytes as they are (0xFF in a new record).
void WriteHalf(std::span<std::uint8_t> record, std::size_t half, const ReferenceCode& rc) {
  WriteU8(record, half + kRtEnOffset, rc[kRcRtEn]);
  WriteLe16(record, half + kUnitIdOffset, static_cast<std::uint16_t>(RcNumber(rc, kRcUnitId, 2)));
  WriteU8(record, half + kEventCodeOffset, rc[kRcEventCode]);
  WriteLe32(record, half + kFailureCodeOffset, RcNumber(rc, kRcFailureCode, 4));
  WriteLe32(record, half + kAdditionalCodeOffset, RcNumber(rc, kRcAdditionalCode, 4));
}

}  // namespace

std::uint8_t RecordKind(const TrapRcTable& table, std::size_t index) {
  return ReadU8(Record(table, index), kValueHalfOffset + kKindOffset);
}

RcPattern RecordPattern(const TrapRcTable& table, std::size_t index) {
  return {ReadHalf(Record(table, index), kValueHalfOffset), ReadHalf(Record(table, index), kMaskHalfOffset)};
}

std::size_t CountUsedRecords(const TrapRcTable& table) {
  std::size_t count = 0;
  while (count < kTrapRcRecords && RecordKind(table, count) != kFreeKind) ++count;
  return count;
}

void AppendRecord(TrapRcTable& table, std::uint8_t kind, const RcPattern& pattern) {
  const std::size_t index = CountUsedRecords(table);
  if (index >= kTrapRcRecords) return;
  std::span<std::uint8_t> record = Record(table, index);
  std::fill(record.begin(), record.end(), kFreeKind);
  WriteU8(record, kValueHalfOffset + kKindOffset, kind);
  WriteHalf(record, kValueHalfOffset, pattern.value);
  WriteHalf(record, kMaskHalfOffset, pattern.mask);
  // A record that another writer left behind the free one would join the
  // table now; the table must still end right after the new record.
  if (index + 1 < kTrapRcRecords) WriteU8(Record(table, index + 1), kValueHalfOffset + kKindOffset, kFreeKind);
}

void RemoveRecord(TrapRcTable& table, std::size_t index) {
  if (index >= kTrapRcRecords) return;
  std::size_t end = index + 1;
  while (end < kTrapRcRecords && RecordKind(table, end) != kFreeKind) ++end;
  // Records index + 1 .. end move up; when `end` is a free record it moves
  // too, and stays where it was as well.
  const std::size_t last = std::min(end, kTrapRcRecords - 1);
  auto first = table.begin() + static_cast<std::ptrdiff_t>((index + 1) * kTrapRcRecordSize);
  auto stop = table.begin() + static_cast<std::ptrdiff_t>((last + 1) * kTrapRcRecordSize);
  std::copy(first, stop, first - kTrapRcRecordSize);
  if (end == kTrapRcRecords) std::ranges::fill(Record(table, kTrapRcRecords - 1), kFreeKind);
}

std::vector<TrapRcView> UsedRecordViews(const TrapRcTable& table) {
  std::vector<TrapRcView> views;
  for (std::size_t i = 0; i < CountUsedRecords(table); ++i) {
    views.push_back({RecordKind(table, i), FormatRcPattern(RecordPattern(table, i)), i});
  }
  return views;
}

}  // namespace rcv
