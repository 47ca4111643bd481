// The decoder against a trusted peer: ipmitool decodes the same seeded
// random records offline ("sel readraw"), and the two CSV lines of every
// record (ID, date, time, sensor type name and number, description,
// direction) must be the same, once the known kinds of difference listed
// in Reconcile have been applied to ipmitool's line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/byte_order.h"
#include "fixture/ipmitool_peer.h"
#include "sel/sel_event.h"
#include "sel/sel_log.h"

namespace rcv {
namespace {

using Record = std::array<std::uint8_t, kSelRecordSize>;

constexpr std::size_t kRecordCount = 6000;
constexpr std::uint32_t kSeed = 20261207;

// System events of every sensor type and event type, offsets in and beyond
// the tables, both directions, special time stamps, and OEM records of both
// kinds. Two kinds of record are not written, as ipmitool reads them
// otherwise than the standard: record types the standard leaves undefined
// (ipmitool decodes them as system events; the decoder keeps their bytes
// undecoded), and the OEM record type 0xF0 (ipmitool prints its bytes as an
// operating system's panic text, line feeds and all).
std::vector<Record> RandomRecords() {
  std::mt19937 random(kSeed);
  const auto below = [&random](std::size_t bound) {
    return static_cast<std::uint8_t>(std::uniform_int_distribution<std::size_t>(0, bound - 1)(random));
  };
  constexpr std::array<std::uint32_t, 8> kSpecialStamps = {0,          1,          0x1FFFFFFF, 0x20000000,
                                                           0x20000001, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
  constexpr std::array<std::uint8_t, 18> kEventTypes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09,
                                                        0x0A, 0x0B, 0x0C, 0x6F, 0x70, 0x7F, 0x00, 0x0D, 0x6E};
  std::vector<Record> records(kRecordCount);
  for (std::size_t i = 0; i < records.size(); ++i) {
    Record& record = records[i];
    for (std::uint8_t& byte : record) byte = below(256);
    WriteLe16(record, kSelRecordIdOffset, static_cast<std::uint16_t>(i + 1));
    if (below(100) < 8) {
      const std::uint8_t oemType = 0xC0 | below(64);
      WriteU8(record, kSelRecordTypeOffset, oemType == 0xF0 ? 0xF1 : oemType);
    } else {
      WriteU8(record, kSelRecordTypeOffset, 0x02);
      // Sensor types 0x00-0x2F in turn, now and then any other.
      WriteU8(record, kSelSensorTypeOffset, below(10) == 0 ? below(256) : static_cast<std::uint8_t>(i % 0x30));
      WriteU8(record, kSelEventTypeOffset, kEventTypes[below(kEventTypes.size())] | (below(2) << 7));
      // Low offsets half the time, so that most fall inside their tables.
      if (below(2) == 0) record[kSelEventDataOffset] &= 0xF3;
    }
    if (below(8) == 0) WriteLe32(record, kSelTimestampOffset, kSpecialStamps[below(kSpecialStamps.size())]);
  }
  return records;
}

std::string Hex(std::span<const std::uint8_t> bytes) {
  std::string text;
  char pair[3];
  for (const std::uint8_t byte : bytes) text.append(pair, std::snprintf(pair, sizeof pair, "%02x", byte));
  return text;
}

std::string Format(const char* format, auto... values) {
  char text[64];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

// A CSV line of ipmitool split into its fields; the description of an
// event is all between the sensor and the direction, commas included.
struct PeerLine {
  std::string id, date, time, sensor, description, direction;
  std::string Join() const { return id + ',' + date + ',' + time + ',' + sensor + ',' + description + ',' + direction; }
};

PeerLine Split(const std::string& line) {
  PeerLine peer;
  std::size_t start = 0;
  for (std::string* field : {&peer.id, &peer.date, &peer.time, &peer.sensor}) {
    const std::size_t comma = std::min(line.find(',', start), line.size());
    *field = line.substr(start, comma - start);
    start = std::min(comma + 1, line.size());
  }
  const std::size_t last = line.rfind(',');
  if (last == std::string::npos || last < start) {
    peer.description = line.substr(start);
  } else {
    peer.description = line.substr(start, last - start);
    peer.direction = line.substr(last + 1);
  }
  return peer;
}

// The line ipmitool prints for the record, from the decoder's fields.
PeerLine ExpectedLine(const SelEvent& event) {
  PeerLine line;
  line.id = Format("%x", event.recordId);
  const SelCivilTime civil = SelCivilTimeOf(event.timestamp.value);
  if (event.timestamp.kind == SelTimestampKind::kUtc) {
    line.date = Format("%02u/%02u/%02d", civil.month, civil.day, civil.year % 100);
    line.time = Format("%02u:%02u:%02u UTC", civil.hour, civil.minute, civil.second);
  } else if (event.timestamp.kind == SelTimestampKind::kSinceInit) {
    line.date = " Pre-Init ";
    line.time = Format("%010u", event.timestamp.value);
  } else if (event.timestamp.kind == SelTimestampKind::kUnspecified) {
    line.date = line.time = "Unspecified";
  }
  if (event.recordClass == SelRecordClass::kSystemEvent) {
    line.sensor = event.sensorTypeName + Format(" #0x%02x", event.sensorNumber);
    line.description = event.description;
    line.direction = SelDirectionName(event.direction);
    return line;
  }
  line.sensor = Format("OEM record %02x", event.recordType);
  line.description = Hex(event.oemBytes);
  if (event.recordClass == SelRecordClass::kOemTimestamped) {
    std::array<std::uint8_t, 3> manufacturer{};
    WriteLe16(manufacturer, 0, static_cast<std::uint16_t>(event.manufacturerId));
    manufacturer[2] = static_cast<std::uint8_t>(event.manufacturerId >> 16);
    line.direction = std::exchange(line.description, Hex(manufacturer));
  }
  return line;
}

bool Unnamed(std::string_view text) { return text.starts_with("Unknown (0x") || text.starts_with("OEM (0x"); }

// The known kinds of difference, each a rule with its reason: the rule
// brings ipmitool's line to the decoder's words and counts itself in
// `kinds`.
void Reconcile(const SelEvent& event, const PeerLine& expected, PeerLine& peer, std::map<std::string, int>& kinds) {
  const auto rule = [&kinds](const char* kind, bool applies) { return applies && ++kinds[kind] > 0; };
  // The stamp 0x20000000: the decoder counts stamps up to and including it
  // as time since initialisation; ipmitool shows it as a date.
  if (rule("last pre-init stamp", event.timestamp.value == 0x20000000 && peer.date != expected.date)) {
    peer.date = expected.date;
    peer.time = expected.time;
  }
  if (event.recordClass != SelRecordClass::kSystemEvent) return;
  // ipmitool leaves out the sensor number 0x00.
  if (rule("sensor number 0x00", event.sensorNumber == 0 && peer.sensor.find(" #0x") == std::string::npos))
    peer.sensor += " #0x00";
  // Sensor types the table does not name: ipmitool prints "reserved" or
  // "Unknown" where the decoder prints "Unknown (0x..)" or "OEM (0x..)".
  const std::string name = peer.sensor.substr(0, peer.sensor.rfind(" #0x"));
  if (rule("unnamed sensor type", Unnamed(event.sensorTypeName) && (name == "reserved" || name == "Unknown"))) {
    peer.sensor = event.sensorTypeName + peer.sensor.substr(name.size());
  }
  // ipmitool's threshold texts end in a blank.
  if (rule("trailing blank", peer.description.ends_with(' '))) peer.description.pop_back();
  // Offsets the tables do not name: ipmitool prints "reserved" or nothing
  // where the decoder prints "Unknown (0x..)" or "OEM (0x..)".
  const std::string& text = peer.description;
  if (rule("unnamed offset", Unnamed(event.description) && (text.empty() || text == "reserved"))) {
    peer.description = event.description;
  }
  // OEM sensor types (0xC0-0xFF): ipmitool names the offsets of some of them
  // after other specifications than IPMI; the decoder prints "Unknown (0x..)".
  if (rule("OEM sensor type", text != event.description && event.sensorType >= 0xC0 && Unnamed(event.description))) {
    peer.description = event.description;
  }
  const auto sensorSpecific = [&event](std::uint8_t sensorType, std::initializer_list<std::uint8_t> offsets) {
    return event.eventClass == SelEventClass::kSensorSpecific && event.sensorType == sensorType &&
           std::find(offsets.begin(), offsets.end(), event.offset) != offsets.end();
  };
  // ipmitool refines these offsets by event data 2 or 3 (firmware progress
  // codes, power supply configuration errors, the kind of version change)
  // and prints nothing for data beyond its tables.
  if (rule("refined by event data",
           text != event.description &&
               (sensorSpecific(0x0F, {0, 1, 2}) || sensorSpecific(0x08, {6}) || sensorSpecific(0x2B, {1, 7})))) {
    peer.description = event.description;
  }
  // Offsets of the standard that ipmitool does not name: the session audit
  // offsets and "correctable machine check error logging disabled".
  if (rule("not named by ipmitool",
           text.empty() && (sensorSpecific(0x2A, {0, 1, 2, 3}) || sensorSpecific(0x10, {6})))) {
    peer.description = event.description;
  }
}

TEST(SelEventPeerTest, AgreesWithIpmitoolRecordByRecord) {
  if (!fixture::IpmitoolInstalled()) {
    GTEST_SKIP() << "ipmitool is not installed, so the decoder was not compared with it (scripts/setup.sh "
                    "installs it)";
  }
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / Format("rcv-sel-peer-%d", ::getpid());
  std::filesystem::create_directories(dir);
  const std::vector<Record> records = RandomRecords();
  std::ofstream(dir / "records.bin", std::ios::binary)
      .write(reinterpret_cast<const char*>(records.data()),
             static_cast<std::streamsize>(records.size() * kSelRecordSize));
  const std::string output = fixture::IpmitoolReadRaw(dir / "records.bin", dir);
  std::filesystem::remove_all(dir);
  std::vector<std::string> lines;
  std::istringstream stream(output);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  ASSERT_EQ(records.size(), lines.size()) << output.substr(0, 2000);

  std::map<std::string, int> kinds;
  std::set<std::uint8_t> sensorTypes, eventTypes;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const SelEvent event = DecodeSelEvent(records[i]);
    if (event.recordClass == SelRecordClass::kSystemEvent) {
      sensorTypes.insert(event.sensorType);
      eventTypes.insert(event.eventType);
    }
    const PeerLine expected = ExpectedLine(event);
    PeerLine peer = Split(lines[i]);
    Reconcile(event, expected, peer, kinds);
    EXPECT_EQ(expected.Join(), peer.Join()) << "record " << Hex(records[i]) << ", ipmitool: " << lines[i];
  }
  for (std::uint8_t type = 0x01; type <= 0x2C; ++type) EXPECT_TRUE(sensorTypes.contains(type)) << int{type};
  for (std::uint8_t type = 0x01; type <= 0x0C; ++type) EXPECT_TRUE(eventTypes.contains(type)) << int{type};
  std::printf("%zu records compared with ipmitool; known differences:", records.size());
  for (const auto& [kind, count] : kinds) std::printf(" %s %d;", kind.c_str(), count);
  std::printf("\n");
}

}  // namespace
}  // namespace rcv
