#include "sel/sel_event.h"

#include <chrono>
#include <cstdio>

#include "sel/sel_log.h"
#include "sel/sel_tables.h"
#include "shell/byte_order.h"

namespace rcv {
namespace {

// The fields of a system event record are those of a sel.log entry
// (sel_log.h); OEM records lay their bytes out otherwise.
static_assert(kSelRecordSize == kSelExtraOffset);
constexpr std::size_t kManufacturerIdOffset = 7;  // OEM timestamped: 3 bytes
constexpr std::size_t kManufacturerIdSize = 3;
constexpr std::size_t kTimestampedOemOffset = 10;    // 6 bytes
constexpr std::size_t kNonTimestampedOemOffset = 3;  // 13 bytes

constexpr std::uint8_t kSystemEventRecord = 0x02;
constexpr std::uint8_t kFirstOemTimestamped = 0xC0;
constexpr std::uint8_t kFirstOemNonTimestamped = 0xE0;

constexpr std::uint32_t kUnspecifiedStamp = 0xFFFFFFFF;
constexpr std::uint32_t kLastSinceInitStamp = 0x20000000;

constexpr std::uint8_t kFirstOemSensorType = 0xC0;
constexpr std::uint8_t kDirectionBit = 0x80;
constexpr std::uint8_t kEventTypeMask = 0x7F;
constexpr std::uint8_t kOffsetMask = 0x0F;
constexpr std::uint8_t kThresholdType = 0x01;
constexpr std::uint8_t kFirstGenericType = 0x02;
constexpr std::uint8_t kLastGenericType = 0x0C;
constexpr std::uint8_t kSensorSpecificType = 0x6F;
constexpr std::uint8_t kFirstOemType = 0x70;
constexpr std::uint8_t kLastOemType = 0x7F;

std::string CodeText(std::string_view word, std::uint8_t code) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*s (0x%02X)", static_cast<int>(word.size()), word.data(), code);
  return text;
}

std::string HexBytes(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (const std::uint8_t byte : bytes) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02X", byte);
    text += pair;
  }
  return text;
}

SelRecordClass RecordClassOf(std::uint8_t recordType) {
  if (recordType == kSystemEventRecord) return SelRecordClass::kSystemEvent;
  if (recordType >= kFirstOemNonTimestamped) return SelRecordClass::kOemNonTimestamped;
  if (recordType >= kFirstOemTimestamped) return SelRecordClass::kOemTimestamped;
  return SelRecordClass::kUnknown;
}

SelTimestamp TimestampOf(std::uint32_t value) {
  if (value == kUnspecifiedStamp) return {SelTimestampKind::kUnspecified, value};
  if (value <= kLastSinceInitStamp) return {SelTimestampKind::kSinceInit, value};
  return {SelTimestampKind::kUtc, value};
}

SelGenerator GeneratorOf(std::uint8_t low, std::uint8_t high) {
  SelGenerator generator;
  generator.kind = (low & 0x01) != 0 ? SelGeneratorKind::kSystemSoftware : SelGeneratorKind::kIpmbSlaveAddress;
  generator.id = static_cast<std::uint8_t>(low >> 1);
  generator.channel = static_cast<std::uint8_t>(high >> 4);
  generator.lun = static_cast<std::uint8_t>(high & 0x03);
  return generator;
}

SelEventClass EventClassOf(std::uint8_t eventType) {
  if (eventType == kThresholdType) return SelEventClass::kThreshold;
  if (eventType >= kFirstGenericType && eventType <= kLastGenericType) return SelEventClass::kGenericDiscrete;
  if (eventType == kSensorSpecificType) return SelEventClass::kSensorSpecific;
  if (eventType >= kFirstOemType && eventType <= kLastOemType) return SelEventClass::kOem;
  return SelEventClass::kUnknown;
}

std::string SensorTypeText(std::uint8_t sensorType) {
  if (const auto name = SensorTypeName(sensorType)) return std::string(*name);
  return CodeText(sensorType >= kFirstOemSensorType ? "OEM" : "Unknown", sensorType);
}

std::optional<SelOffsetName> OffsetNameOf(const SelEvent& event) {
  switch (event.eventClass) {
    case SelEventClass::kThreshold:
      return ThresholdOffsetName(event.offset);
    case SelEventClass::kGenericDiscrete:
      return GenericOffsetName(event.eventType, event.offset);
    case SelEventClass::kSensorSpecific:
      return SensorSpecificOffsetName(event.sensorType, event.offset);
    case SelEventClass::kOem:
    case SelEventClass::kUnknown:
      break;
  }
  return std::nullopt;
}

// Event data 1, bits 7:6 (event data 2) and 5:4 (event data 3), by the
// class of the event type.
struct EventDataUses {
  std::array<SelEventDataUse, 4> second;
  std::array<SelEventDataUse, 4> third;
};

using Use = SelEventDataUse;
constexpr EventDataUses kThresholdUses = {{Use::kUnspecified, Use::kTriggerReading, Use::kOem, Use::kSensorSpecific},
                                          {Use::kUnspecified, Use::kTriggerThreshold, Use::kOem, Use::kSensorSpecific}};
constexpr EventDataUses kDiscreteUses = {{Use::kUnspecified, Use::kPreviousState, Use::kOem, Use::kSensorSpecific},
                                         {Use::kUnspecified, Use::kReserved, Use::kOem, Use::kSensorSpecific}};
constexpr EventDataUses kOemUses = {{Use::kUnspecified, Use::kPreviousState, Use::kOem, Use::kReserved},
                                    {Use::kUnspecified, Use::kReserved, Use::kOem, Use::kReserved}};
constexpr EventDataUses kUnknownUses = {{Use::kUnspecified, Use::kUnspecified, Use::kUnspecified, Use::kUnspecified},
                                        {Use::kUnspecified, Use::kUnspecified, Use::kUnspecified, Use::kUnspecified}};

const EventDataUses& EventDataUsesOf(SelEventClass eventClass) {
  switch (eventClass) {
    case SelEventClass::kThreshold:
      return kThresholdUses;
    case SelEventClass::kGenericDiscrete:
    case SelEventClass::kSensorSpecific:
      return kDiscreteUses;
    case SelEventClass::kOem:
      return kOemUses;
    case SelEventClass::kUnknown:
      break;
  }
  return kUnknownUses;
}

void DecodeEventData(SelEvent& event) {
  const std::uint8_t first = event.eventData[0];
  const EventDataUses& uses = EventDataUsesOf(event.eventClass);
  event.offset = first & kOffsetMask;
  event.eventData2Use = uses.second[(first >> 6) & 0x03];
  event.eventData3Use = uses.third[(first >> 4) & 0x03];
  if (event.eventData2Use == Use::kTriggerReading) event.triggerReading = event.eventData[1];
  if (event.eventData3Use == Use::kTriggerThreshold) event.triggerThreshold = event.eventData[2];
}

void DecodeSystemEvent(std::span<const std::uint8_t> record, SelEvent& event) {
  event.timestamp = TimestampOf(ReadLe32(record, kSelTimestampOffset));
  event.generator = GeneratorOf(ReadU8(record, kSelGeneratorIdOffset), ReadU8(record, kSelGeneratorIdOffset + 1));
  event.evmRevision = ReadU8(record, kSelEventRevisionOffset);
  event.sensorType = ReadU8(record, kSelSensorTypeOffset);
  event.sensorTypeName = SensorTypeText(event.sensorType);
  event.sensorNumber = ReadU8(record, kSelSensorNumberOffset);
  const std::uint8_t typeByte = ReadU8(record, kSelEventTypeOffset);
  event.eventType = typeByte & kEventTypeMask;
  event.eventClass = EventClassOf(event.eventType);
  event.direction = (typeByte & kDirectionBit) != 0 ? SelDirection::kDeassertion : SelDirection::kAssertion;
  for (std::size_t i = 0; i < event.eventData.size(); ++i) event.eventData[i] = ReadU8(record, kSelEventDataOffset + i);
  DecodeEventData(event);

  const std::optional<SelOffsetName> name = OffsetNameOf(event);
  if (name) {
    event.description = std::string(name->text);
  } else {
    event.description = CodeText(event.eventClass == SelEventClass::kOem ? "OEM" : "Unknown", event.offset);
  }
  if (event.direction == SelDirection::kDeassertion) {
    event.severity = kDeassertionSeverity;
  } else {
    event.severity = name ? name->severity : kUnnamedSeverity;
  }
}

std::vector<std::uint8_t> BytesFrom(std::span<const std::uint8_t> record, std::size_t offset) {
  const std::span<const std::uint8_t> tail = record.subspan(offset);
  return {tail.begin(), tail.end()};
}

}  // namespace

SelEvent DecodeSelEvent(std::span<const std::uint8_t, kSelRecordSize> record) {
  SelEvent event;
  event.recordId = ReadLe16(record, kSelRecordIdOffset);
  event.recordType = ReadU8(record, kSelRecordTypeOffset);
  event.recordClass = RecordClassOf(event.recordType);
  event.severity = kUnnamedSeverity;
  switch (event.recordClass) {
    case SelRecordClass::kSystemEvent:
      DecodeSystemEvent(record, event);
      break;
    case SelRecordClass::kOemTimestamped:
      event.timestamp = TimestampOf(ReadLe32(record, kSelTimestampOffset));
      for (std::size_t i = kManufacturerIdSize; i-- > 0;) {
        event.manufacturerId = (event.manufacturerId << 8) | ReadU8(record, kManufacturerIdOffset + i);
      }
      event.oemBytes = BytesFrom(record, kTimestampedOemOffset);
      break;
    case SelRecordClass::kOemNonTimestamped:
    case SelRecordClass::kUnknown:
      event.oemBytes = BytesFrom(record, kNonTimestampedOemOffset);
      break;
  }
  return event;
}

std::string SelEventMessage(const SelEvent& event) {
  char head[48];
  switch (event.recordClass) {
    case SelRecordClass::kSystemEvent:
      // The sensor number in lower case, as SEL tools print it.
      std::snprintf(head, sizeof head, " #0x%02x | ", event.sensorNumber);
      return event.sensorTypeName + head + event.description + " | " + std::string(SelDirectionName(event.direction));
    case SelRecordClass::kOemTimestamped:
      std::snprintf(head, sizeof head, "OEM record 0x%02X | manufacturer 0x%06X | ", event.recordType,
                    static_cast<unsigned>(event.manufacturerId));
      return head + HexBytes(event.oemBytes);
    case SelRecordClass::kOemNonTimestamped:
      std::snprintf(head, sizeof head, "OEM record 0x%02X | ", event.recordType);
      return head + HexBytes(event.oemBytes);
    case SelRecordClass::kUnknown:
      break;
  }
  std::snprintf(head, sizeof head, "Unknown record 0x%02X | ", event.recordType);
  return head + HexBytes(event.oemBytes);
}

std::string_view SelRecordClassName(SelRecordClass recordClass) {
  switch (recordClass) {
    case SelRecordClass::kSystemEvent:
      return "system event";
    case SelRecordClass::kOemTimestamped:
      return "OEM timestamped";
    case SelRecordClass::kOemNonTimestamped:
      return "OEM non-timestamped";
    case SelRecordClass::kUnknown:
      break;
  }
  return "unknown";
}

std::string_view SelEventClassName(SelEventClass eventClass) {
  switch (eventClass) {
    case SelEventClass::kThreshold:
      return "threshold";
    case SelEventClass::kGenericDiscrete:
      return "generic discrete";
    case SelEventClass::kSensorSpecific:
      return "sensor-specific";
    case SelEventClass::kOem:
      return "OEM";
    case SelEventClass::kUnknown:
      break;
  }
  return "unknown";
}

std::string_view SelDirectionName(SelDirection direction) {
  return direction == SelDirection::kDeassertion ? "Deasserted" : "Asserted";
}

SelCivilTime SelCivilTimeOf(std::uint32_t secondsSince1970) {
  using namespace std::chrono;
  const sys_seconds stamp{seconds{secondsSince1970}};
  const sys_days day = floor<days>(stamp);
  const year_month_day date{day};
  const hh_mm_ss<seconds> time{stamp - day};
  return {static_cast<int>(date.year()),
          static_cast<unsigned>(date.month()),
          static_cast<unsigned>(date.day()),
          static_cast<unsigned>(time.hours().count()),
          static_cast<unsigned>(time.minutes().count()),
          static_cast<unsigned>(time.seconds().count())};
}

std::string FormatSelTimestamp(const SelTimestamp& timestamp) {
  char text[48];
  switch (timestamp.kind) {
    case SelTimestampKind::kUtc: {
      const SelCivilTime civil = SelCivilTimeOf(timestamp.value);
      std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02u:%02u:%02uZ", civil.year, civil.month, civil.day, civil.hour,
                    civil.minute, civil.second);
      return text;
    }
    case SelTimestampKind::kSinceInit:
      std::snprintf(text, sizeof text, "pre-init +%us", static_cast<unsigned>(timestamp.value));
      return text;
    case SelTimestampKind::kUnspecified:
      return "unspecified";
    case SelTimestampKind::kNone:
      break;
  }
  return "";
}

}  // namespace rcv
