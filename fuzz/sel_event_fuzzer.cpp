// Reads arbitrary bytes as one IPMI SEL record (16 bytes; a shorter input
// is padded with zeros, a longer one cut) and decodes it into its fields,
// message, time stamp and severity. A record must always decode into a
// message, and a system event into a sensor type name and a description.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "sel/sel_event.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::array<std::uint8_t, rcv::kSelRecordSize> record{};
  std::copy_n(data, std::min(record.size(), size), record.begin());
  const rcv::SelEvent event = rcv::DecodeSelEvent(record);
  const std::string message = rcv::SelEventMessage(event);
  const std::string stamp = rcv::FormatSelTimestamp(event.timestamp);
  const bool systemEventNamed = event.recordClass != rcv::SelRecordClass::kSystemEvent ||
                                (!event.sensorTypeName.empty() && !event.description.empty());
  const bool stamped = event.timestamp.kind == rcv::SelTimestampKind::kNone || !stamp.empty();
  if (message.empty() || rcv::SeverityName(event.severity).empty() || !systemEventNamed || !stamped) {
    __builtin_trap();
  }
  return 0;
}
