// One IPMI SEL record (the first 16 bytes of a sel.log entry) decoded field
// by field: record type, time stamp, generator, sensor, event type and
// offset in words, event data, and the severity of the event.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sel/severity.h"

namespace rcv {

inline constexpr std::size_t kSelRecordSize = 16;

enum class SelRecordClass { kSystemEvent, kOemTimestamped, kOemNonTimestamped, kUnknown };

// kNone: the record has no time stamp field (OEM non-timestamped, unknown).
// kUnspecified: 0xFFFFFFFF. kSinceInit: up to 0x20000000, seconds since the
// controller initialised. kUtc: seconds since 1970-01-01 00:00 UTC, also
// beyond 2038 (the full unsigned range).
enum class SelTimestampKind { kNone, kUnspecified, kSinceInit, kUtc };

struct SelTimestamp {
  SelTimestampKind kind = SelTimestampKind::kNone;
  std::uint32_t value = 0;
};

// A UTC time stamp broken down into the calendar.
struct SelCivilTime {
  int year = 1970;
  unsigned month = 1;
  unsigned day = 1;
  unsigned hour = 0;
  unsigned minute = 0;
  unsigned second = 0;
};

enum class SelGeneratorKind { kIpmbSlaveAddress, kSystemSoftware };

struct SelGenerator {
  SelGeneratorKind kind = SelGeneratorKind::kIpmbSlaveAddress;
  std::uint8_t id = 0;  // the 7-bit slave address or software ID
  std::uint8_t channel = 0;
  std::uint8_t lun = 0;
};

enum class SelEventClass { kThreshold, kGenericDiscrete, kSensorSpecific, kOem, kUnknown };

enum class SelDirection { kAssertion, kDeassertion };

// What event data 2 or 3 holds, as event data 1 says.
enum class SelEventDataUse {
  kUnspecified,
  kTriggerReading,
  kTriggerThreshold,
  kPreviousState,
  kOem,
  kSensorSpecific,
  kReserved,
};

struct SelEvent {
  std::uint16_t recordId = 0;
  std::uint8_t recordType = 0;
  SelRecordClass recordClass = SelRecordClass::kUnknown;
  SelTimestamp timestamp;

  // System event records only.
  SelGenerator generator;
  std::uint8_t evmRevision = 0;
  std::uint8_t sensorType = 0;
  std::string sensorTypeName;  // "Temperature", or "Unknown (0x2D)", "OEM (0xC0)"
  std::uint8_t sensorNumber = 0;
  std::uint8_t eventType = 0;  // the event/reading type code, direction bit aside
  SelEventClass eventClass = SelEventClass::kUnknown;
  SelDirection direction = SelDirection::kAssertion;
  std::uint8_t offset = 0;
  std::string description;  // "Upper Critical going high", or "Unknown (0x0C)", "OEM (0x03)"
  std::array<std::uint8_t, 3> eventData{};
  SelEventDataUse eventData2Use = SelEventDataUse::kUnspecified;
  SelEventDataUse eventData3Use = SelEventDataUse::kUnspecified;
  std::optional<std::uint8_t> triggerReading;    // raw, threshold events
  std::optional<std::uint8_t> triggerThreshold;  // raw, threshold events

  // OEM records: the manufacturer ID of a timestamped one, and the OEM
  // bytes (6 timestamped, 13 non-timestamped; an unknown record keeps its
  // 13 bytes after the record type here).
  std::uint32_t manufacturerId = 0;
  std::vector<std::uint8_t> oemBytes;

  Severity severity = Severity::kWarning;
};

SelEvent DecodeSelEvent(std::span<const std::uint8_t, kSelRecordSize> record);

// The event in one line, as SEL tools print it:
// "Temperature #0x30 | Upper Critical going high | Asserted";
// "OEM record 0xC0 | manufacturer 0x00A1B2 | 0102030405FF" for an OEM
// timestamped record, "OEM record 0xE0 | 0102...0D" for a non-timestamped
// one, "Unknown record 0x01 | 0102...0D" for any other record type.
std::string SelEventMessage(const SelEvent& event);

// "system event", "OEM timestamped", "OEM non-timestamped", "unknown".
std::string_view SelRecordClassName(SelRecordClass recordClass);
// "threshold", "generic discrete", "sensor-specific", "OEM", "unknown".
std::string_view SelEventClassName(SelEventClass eventClass);
// "Asserted" or "Deasserted".
std::string_view SelDirectionName(SelDirection direction);

SelCivilTime SelCivilTimeOf(std::uint32_t secondsSince1970);

// "2021-01-14T08:25:36Z" (UTC), "pre-init +12345s" (since initialisation),
// "unspecified", or "" when the record has no time stamp.
std::string FormatSelTimestamp(const SelTimestamp& timestamp);

}  // namespace rcv
