#include "rcquery/rc_source.h"

#include <algorithm>
#include <span>

#include "base/text_conversion.h"
#include "dict/rc_lookup.h"
#include "shell/roots.h"

namespace rcv {

namespace {

constexpr std::uint8_t kNoLevelByte = 0xFF;

Json LevelText(const RcEntry& record) {
  if (record.level[0] == kNoLevelByte && record.level[1] == kNoLevelByte) return nullptr;
  // The level is text that may end early at a zero byte.
  const auto end = std::find(record.level.begin(), record.level.end(), std::uint8_t{0});
  return ShiftJisToUtf8(std::string(record.level.begin(), end), Unconvertible::kEscape);
}

LogEntry RcLogEntry(std::size_t slot, const RcEntry& record) {
  const std::span<const std::uint8_t> rc(record.rc);
  LogEntry entry;
  entry.source = kRcSource;
  entry.id = std::to_string(slot) + "-" + std::to_string(record.timestamp) + "-" + HexDigits(rc);
  entry.created = LogStampTime(record.timestamp);
  entry.rc = record.rc;
  entry.message = "RC " + HexDigits(rc);
  entry.properties = {{"RC", HexDigits(rc)},
                      {"RtEn", HexDigits(rc.subspan(0, 1))},
                      {"UnitId", HexDigits(rc.subspan(1, 2))},
                      {"EventCode", HexDigits(rc.subspan(3, 1))},
                      {"FailureCode", HexDigits(rc.subspan(4, 4))},
                      {"AdditionalCode", HexDigits(rc.subspan(8, 4))},
                      {"Level", LevelText(record)},
                      {"Name", nullptr}};
  return entry;
}

}  // namespace

SourceRead ReadRcSource() {
  SourceRead read;
  std::vector<std::uint8_t> bytes;
  std::string error = ReadLogBytes(VrkLogPath("rc.log"), kRcLogSize, bytes);
  if (!error.empty()) {
    read.errors.push_back(std::move(error));
    return read;
  }
  return RcSourceOf(bytes);
}

SourceRead RcSourceOf(std::span<const std::uint8_t> image) {
  SourceRead read;
  std::vector<std::size_t> slots = NewestFirstRcSlots(DecodeRcLogHeader(image));
  std::reverse(slots.begin(), slots.end());
  for (const std::size_t slot : slots) {
    const RcEntry record = DecodeRcLogRecord(image.subspan(kRcLogHeaderSize + slot * kRcLogSlotSize, kRcLogSlotSize));
    read.entries.push_back(RcLogEntry(slot, record));
  }
  return read;
}

void NameRcEntries(std::vector<LogEntry>& entries, RcLookup lookup) {
  for (LogEntry& entry : entries) {
    if (entry.source != kRcSource || !entry.rc) continue;
    const std::optional<std::string> name = LookUpRcName(*entry.rc, lookup);
    if (!name) continue;
    const std::string text = ShiftJisToUtf8(*name, Unconvertible::kEscape);
    entry.properties["Name"] = text;
    if (!text.empty()) entry.message = text;
  }
}

void NameRcEntriesFromDictionary(std::vector<LogEntry>& entries) {
  const bool anyRc = std::ranges::any_of(entries, [](const LogEntry& entry) { return entry.source == kRcSource; });
  std::string path;
  if (!anyRc || GetRcTablePath(path).empty()) return;
  NameRcEntries(entries,
                [](std::span<const std::uint8_t, kRcKeySize> rc, RcInfo& info) { return GetRcInfo(rc, info); });
}

}  // namespace rcv
