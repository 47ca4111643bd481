#include "sel/sel_event.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

using Record = std::array<std::uint8_t, kSelRecordSize>;

// A system event record: ID 0x0102, 2021-01-14 08:25:36 UTC, generator
// 0x0020 (BMC, IPMB, channel 0, LUN 0), EvM revision 4.
Record Event(std::uint8_t sensorType, std::uint8_t eventType, std::uint8_t data1, std::uint8_t data2 = 0xFF,
             std::uint8_t data3 = 0xFF) {
  return {0x02, 0x01, 0x02, 0x00, 0x00, 0x00, 0x60, 0x20, 0x00, 0x04, sensorType, 0x30, eventType, data1, data2, data3};
}

// A critical threshold event and a non-timestamped OEM record: rcquery_e2e_test.
TEST(SelEventTest, MessagesAndSeverities) {
  const struct {
    Record record;
    std::string_view message;
    Severity severity;
  } kCases[] = {
      {Event(0x01, 0x81, 0x57), "Temperature #0x30 | Upper Non-critical going high | Deasserted", Severity::kOk},
      {Event(0x07, 0x6F, 0x07), "Processor #0x30 | Presence detected | Asserted", Severity::kOk},
      {Event(0x0C, 0x6F, 0xA0), "Memory #0x30 | Correctable ECC | Asserted", Severity::kWarning},
      {Event(0x23, 0x6F, 0x05), "Watchdog2 #0x30 | Unknown (0x05) | Asserted", Severity::kWarning},
      {Event(0x04, 0x0B, 0x01), "Fan #0x30 | Redundancy Lost | Asserted", Severity::kCritical},
      {Event(0xC5, 0x72, 0x03), "OEM (0xC5) #0x30 | OEM (0x03) | Asserted", Severity::kWarning},
      {{0x02, 0x01, 0xC1, 0x00, 0x00, 0x00, 0x60, 0xB2, 0xA1, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0xFF},
       "OEM record 0xC1 | manufacturer 0x00A1B2 | 0102030405FF",
       Severity::kWarning},
      {{0x02, 0x01, 0x10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13},
       "Unknown record 0x10 | 0102030405060708090A0B0C0D",
       Severity::kWarning},
  };
  for (const auto& c : kCases) {
    const SelEvent event = DecodeSelEvent(c.record);
    EXPECT_EQ(c.message, SelEventMessage(event));
    EXPECT_EQ(SeverityName(c.severity), SeverityName(event.severity)) << c.message;
  }
}

TEST(SelEventTest, FieldsOfAThresholdEvent) {
  Record record = Event(0x01, 0x01, 0x59, 0x20, 0x30);
  record[7] = 0x41;  // system software ID 0x20
  record[8] = 0x32;  // channel 3, LUN 2
  const SelEvent event = DecodeSelEvent(record);
  EXPECT_EQ(0x0102, event.recordId);
  EXPECT_EQ(SelGeneratorKind::kSystemSoftware, event.generator.kind);
  EXPECT_EQ((std::array<int, 3>{0x20, 3, 2}),
            (std::array<int, 3>{event.generator.id, event.generator.channel, event.generator.lun}));
  EXPECT_EQ(std::optional<std::uint8_t>(0x20), event.triggerReading);
  EXPECT_EQ(std::optional<std::uint8_t>(0x30), event.triggerThreshold);
  EXPECT_EQ("2021-01-14T08:25:36Z", FormatSelTimestamp(event.timestamp));
  EXPECT_EQ("pre-init +536870912s", FormatSelTimestamp({SelTimestampKind::kSinceInit, 0x20000000}));
  EXPECT_EQ("unspecified|", FormatSelTimestamp({SelTimestampKind::kUnspecified, 0}) + "|" +
                                FormatSelTimestamp({SelTimestampKind::kNone, 0}));
}

// The words of rcquery's JSON (its schema lists them).
TEST(SelEventTest, ClassNames) {
  std::string names;
  for (const auto recordClass : {SelRecordClass::kSystemEvent, SelRecordClass::kOemTimestamped,
                                 SelRecordClass::kOemNonTimestamped, SelRecordClass::kUnknown}) {
    names += std::string(SelRecordClassName(recordClass)) + "|";
  }
  for (const auto eventClass : {SelEventClass::kThreshold, SelEventClass::kGenericDiscrete,
                                SelEventClass::kSensorSpecific, SelEventClass::kOem, SelEventClass::kUnknown}) {
    names += std::string(SelEventClassName(eventClass)) + "|";
  }
  EXPECT_EQ(
      "system event|OEM timestamped|OEM non-timestamped|unknown|threshold|generic discrete|sensor-specific|OEM|"
      "unknown|",
      names);
}

}  // namespace
}  // namespace rcv
