#include "rcquery/sel_source.h"

#include <algorithm>
#include <cctype>

#include "base/byte_order.h"
#include "sel/sel_event.h"
#include "sel/sel_log.h"
#include "shell/roots.h"

namespace rcv {

namespace {

std::string LowerHex(std::span<const std::uint8_t> bytes) {
  std::string text = HexDigits(bytes);
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  return text;
}

std::optional<QueryTime> EventTime(const SelEvent& event) {
  if (event.timestamp.kind != SelTimestampKind::kUtc) return std::nullopt;
  return static_cast<QueryTime>(event.timestamp.value);
}

// The properties of a system event record; an OEM or unknown record has
// none of them but its OEM bytes.
void AddEventProperties(const SelEvent& event, std::span<const std::uint8_t, kSelRecordSize> record, LogEntry& entry) {
  Json& p = entry.properties;
  const bool systemEvent = event.recordClass == SelRecordClass::kSystemEvent;
  const auto eventField = [systemEvent](Json value) { return systemEvent ? std::move(value) : Json(nullptr); };
  p["SensorType"] = eventField(event.sensorTypeName);
  p["SensorTypeCode"] = eventField(event.sensorType);
  p["SensorNumber"] = eventField(event.sensorNumber);
  p["EventType"] = eventField(SelEventClassName(event.eventClass));
  p["EventTypeCode"] = eventField(event.eventType);
  p["EntryCode"] = eventField(event.direction == SelDirection::kAssertion ? "Assert" : "Deassert");
  p["Description"] = eventField(event.description);
  p["GeneratorId"] = eventField(ReadLe16(record, kSelGeneratorIdOffset));
  p["EventData"] = eventField(HexDigits(event.eventData));
  p["OemRecordFormat"] = systemEvent ? Json(nullptr) : Json(SelRecordClassName(event.recordClass));
  p["OemData"] = systemEvent ? Json(nullptr) : Json(HexDigits(event.oemBytes));
  p["Raw"] = LowerHex(record);
  if (systemEvent) {
    entry.entryType = kSelEntryType;
    entry.sensorType = event.sensorType;
  }
}

LogEntry SelEntry(std::size_t slot, std::span<const std::uint8_t, kSelRecordSize> record) {
  const SelEvent event = DecodeSelEvent(record);
  LogEntry entry;
  entry.source = kSelSource;
  entry.id = std::to_string(slot) + "-" + std::to_string(event.recordId) + "-" +
             std::to_string(ReadLe32(record, kSelTimestampOffset));
  entry.created = EventTime(event);
  entry.severity = event.severity;
  entry.message = SelEventMessage(event);
  entry.properties = {{"RecordId", event.recordId}, {"RecordType", event.recordType}};
  AddEventProperties(event, record, entry);
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
  // A valid log that no entry was written to yet is empty, not broken (the
  // viewer's screen calls both invalid).
  if (header.validity == kSelValidMark && header.newestIndex == kSelNothingWritten) return read;
  if (CheckSelHeader(header) != SelCheck::kValid) {
    read.errors.push_back(path + ": invalid header (validity mark or newest index out of range)");
    return read;
  }
  std::vector<std::size_t> slots = SelSlotsNewestFirst(header);
  std::reverse(slots.begin(), slots.end());
  for (const std::size_t slot : slots) {
    read.entries.push_back(SelEntry(slot, log.subspan(SelSlotOffset(slot)).first<kSelRecordSize>()));
  }
  return read;
}

}  // namespace rcv
