#include "rcquery/sel_source.h"

#include <algorithm>

#include "sel/sel_log.h"
#include "shell/byte_order.h"
#include "shell/roots.h"

namespace rcv {

namespace {

constexpr std::size_t kSelRecordBytes = 16;

LogEntry SelEntry(std::size_t slot, std::span<const std::uint8_t, kSelRecordBytes> record) {
  const std::uint32_t stamp = ReadLe32(record, kSelTimestampOffset);
  LogEntry entry;
  entry.source = kSelSource;
  entry.id =
      std::to_string(slot) + "-" + HexDigits(record.subspan(kSelRecordIdOffset, 2)) + "-" + std::to_string(stamp);
  entry.created = LogStampTime(stamp);
  entry.message = "SEL record " + HexDigits(record);
  entry.properties = {{"Raw", HexDigits(record)}};
  return entry;
}

}  // namespace

SourceRead ReadSelSource() {
  SourceRead read;
  std::vector<std::uint8_t> bytes;
  const std::string path = VrkLogPath("sel.log");
  std::string error = ReadLogBytes(path, kSelLogSize, bytes);
  if (!error.empty()) {
    read.errors.push_back(std::move(error));
    return read;
  }
  return SelSourceOf(bytes, path);
}

SourceRead SelSourceOf(std::span<const std::uint8_t> image, const std::string& path) {
  SourceRead read;
  const std::span<const std::uint8_t, kSelLogSize> log(image.data(), kSelLogSize);
  const SelHeader header = DecodeSelHeader(log);
  if (CheckSelHeader(header) != SelCheck::kValid) {
    read.errors.push_back(path +
                          ": invalid header (no entry written, or a validity mark or newest index out of range)");
    return read;
  }
  std::vector<std::size_t> slots = SelSlotsNewestFirst(header);
  std::reverse(slots.begin(), slots.end());
  for (const std::size_t slot : slots) {
    read.entries.push_back(SelEntry(slot, log.subspan(SelSlotOffset(slot)).first<kSelRecordBytes>()));
  }
  return read;
}

}  // namespace rcv
