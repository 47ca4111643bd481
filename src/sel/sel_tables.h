// The IPMI 2.0 tables that name what a SEL event record holds: sensor
// types, threshold offsets, the generic discrete event types and the
// sensor-specific offsets, each offset with the severity of its assertion.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "sel/severity.h"

namespace rcv {

// A named event offset and the severity of its assertion.
struct SelOffsetName {
  std::string_view text;
  Severity severity = Severity::kWarning;
};

// What every deassertion is worth, and every record, event type or offset
// that the tables do not name (reserved, OEM, beyond a table).
inline constexpr Severity kDeassertionSeverity = Severity::kOk;
inline constexpr Severity kUnnamedSeverity = Severity::kWarning;

// The name of a sensor type 0x01-0x2C; nothing for reserved and OEM codes.
std::optional<std::string_view> SensorTypeName(std::uint8_t sensorType);

// Offsets 0x00-0x0B of the threshold event type (0x01).
std::optional<SelOffsetName> ThresholdOffsetName(std::uint8_t offset);

// Offsets of the generic discrete event types 0x02-0x0C.
std::optional<SelOffsetName> GenericOffsetName(std::uint8_t eventType, std::uint8_t offset);

// Offsets of the sensor-specific event type (0x6F) for a sensor type.
std::optional<SelOffsetName> SensorSpecificOffsetName(std::uint8_t sensorType, std::uint8_t offset);

}  // namespace rcv
