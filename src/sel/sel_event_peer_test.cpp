// The decoder against a trusted peer: ipmitool decodes the same seeded
// random records offline ("sel readraw"), and the two must agree record by
// record on date and time, sensor type name, sensor number, description and
// direction, but for the kinds of difference listed in KnownDifference.
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
#include <string>
#include <vector>

#include "fixture/ipmitool_peer.h"
#include "sel/sel_event.h"
#include "sel/sel_log.h"
#include "shell/byte_order.h"

namespace rcv {
namespace {

using Record = std::array<std::uint8_t, kSelRecordSize>;

constexpr std::size_t kRecordCount = 6000;
constexpr std::uint32_t kSeed = 20261207;

// Seeded records of every kind: system events of every sensor type and
// event type, offsets in and beyond the tables, both directions, special
// time stamps, OEM records of both kinds and record types the standard
// leaves undefined.
std::vector<Record> RandomRecords() {
  std::mt19937 random(kSeed);
  const auto below = [&random](std::uint32_t bound) {
    return static_cast<std::uint32_t>(std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(random));
  };
  constexpr std::array<std::uint32_t, 8> kSpecialStamps = {0,          1,          0x1FFFFFFF, 0x20000000,
                                                           0x20000001, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
  constexpr std::array<std::uint8_t, 18> kEventTypes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09,
                                                        0x0A, 0x0B, 0x0C, 0x6F, 0x70, 0x7F, 0x00, 0x0D, 0x6E};
  std::vector<Record> records(kRecordCount);
  for (std::size_t i = 0; i < records.size(); ++i) {
    Record& record = records[i];
    for (std::uint8_t& byte : record) byte = static_cast<std::uint8_t>(below(256));
    WriteLe16(record, kSelRecordIdOffset, static_cast<std::uint16_t>(i + 1));
    const std::uint32_t kind = below(100);
    if (kind < 6) {
      WriteU8(record, kSelRecordTypeOffset, static_cast<std::uint8_t>(0xC0 + below(64)));
    } else if (kind < 8) {
      WriteU8(record, kSelRecordTypeOffset, static_cast<std::uint8_t>(below(0xC0) | 0x01));  // never 0x02
    } else {
      WriteU8(record, kSelRecordTypeOffset, 0x02);
      // Sensor types 0x00-0x2F in turn, now and then one of the rest.
      const std::uint8_t sensorType = below(10) == 0 ? static_cast<std::uint8_t>(below(256)) : i % 0x30;
      WriteU8(record, kSelSensorTypeOffset, sensorType);
      const std::uint8_t eventType = kEventTypes[below(kEventTypes.size())];
      WriteU8(record, kSelEventTypeOffset, static_cast<std::uint8_t>(eventType | (below(2) << 7)));
    }
    // Low offsets half the time, so that most fall inside their tables.
    if (below(2) == 0)
      WriteU8(record, kSelEventDataOffset, static_cast<std::uint8_t>(record[kSelEventDataOffset] & 0xF3));
    if (below(8) == 0) WriteLe32(record, kSelTimestampOffset, kSpecialStamps[below(kSpecialStamps.size())]);
  }
  return records;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string HexOf(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (const std::uint8_t byte : bytes) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02x", byte);
    text += pair;
  }
  return text;
}

// One record as ipmitool's CSV prints it: ID, date, time, then the sensor,
// the description (which may hold commas) and the direction of an event,
// or the OEM record type and its bytes.
struct PeerLine {
  std::string id, date, time, sensor, description, direction;
};

PeerLine ParsePeerLine(const std::string& line) {
  PeerLine peer;
  std::size_t start = 0;
  for (std::string* field : {&peer.id, &peer.date, &peer.time, &peer.sensor}) {
    const std::size_t comma = line.find(',', start);
    *field = line.substr(start, comma - start);
    start = comma == std::string::npos ? line.size() : comma + 1;
  }
  const std::size_t last = line.rfind(',');
  if (last != std::string::npos && last >= start) {
    peer.description = line.substr(start, last - start);
    peer.direction = line.substr(last + 1);
  } else {
    peer.description = line.substr(start);
  }
  return peer;
}

// ipmitool's lines, one a record: a line that does not start with the next
// record's ID continues the one before (a text record may hold line feeds).
std::vector<std::string> SplitPeerLines(const std::string& output, const std::vector<Record>& records) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < output.size()) {
    const std::size_t end = std::min(output.find('\n', start), output.size());
    const std::string line = output.substr(start, end - start);
    start = end + 1;
    char prefix[16];
    if (lines.size() < records.size()) {
      std::snprintf(prefix, sizeof prefix, "%x,", ReadLe16(records[lines.size()], kSelRecordIdOffset));
    }
    if (lines.size() < records.size() && line.starts_with(prefix)) {
      lines.push_back(line);
    } else if (!lines.empty()) {
      lines.back() += "\n" + line;
    }
  }
  return lines;
}

PeerLine ExpectedLine(const SelEvent& event) {
  PeerLine line;
  char text[64];
  std::snprintf(text, sizeof text, "%x", event.recordId);
  line.id = text;
  switch (event.timestamp.kind) {
    case SelTimestampKind::kUtc: {
      const SelCivilTime civil = SelCivilTimeOf(event.timestamp.value);
      std::snprintf(text, sizeof text, "%02u/%02u/%02d", civil.month, civil.day, civil.year % 100);
      line.date = text;
      std::snprintf(text, sizeof text, "%02u:%02u:%02u UTC", civil.hour, civil.minute, civil.second);
      line.time = text;
      break;
    }
    case SelTimestampKind::kSinceInit:
      line.date = " Pre-Init ";
      std::snprintf(text, sizeof text, "%010u", static_cast<unsigned>(event.timestamp.value));
      line.time = text;
      break;
    case SelTimestampKind::kUnspecified:
      line.date = line.time = "Unspecified";
      break;
    case SelTimestampKind::kNone:
      break;
  }
  if (event.recordClass == SelRecordClass::kSystemEvent) {
    std::snprintf(text, sizeof text, " #0x%02x", event.sensorNumber);
    line.sensor = event.sensorTypeName + text;
    line.description = event.description;
    line.direction = SelDirectionName(event.direction);
  } else {
    std::snprintf(text, sizeof text, "OEM record %02x", event.recordType);
    line.sensor = text;
    const std::span<const std::uint8_t> bytes(event.oemBytes);
    if (event.recordClass == SelRecordClass::kOemTimestamped) {
      const std::array<std::uint8_t, 3> manufacturer = {static_cast<std::uint8_t>(event.manufacturerId),
                                                        static_cast<std::uint8_t>(event.manufacturerId >> 8),
                                                        static_cast<std::uint8_t>(event.manufacturerId >> 16)};
      line.description = HexOf(manufacturer);
      line.direction = HexOf(bytes);
    } else {
      line.description = HexOf(bytes);
    }
  }
  return line;
}

bool IsUnnamed(const std::string& text) { return text.starts_with("Unknown (0x") || text.starts_with("OEM (0x"); }

// Where ipmitool and the decoder may differ, each kind with its reason.
// Returns the kind's name when `peer` differs from `expected` only so.
std::string KnownDifference(const SelEvent& event, const PeerLine& expected, const PeerLine& peer) {
  // 1. Record types the standard leaves undefined: ipmitool decodes them as
  //    system events anyway; the decoder keeps their bytes undecoded.
  if (event.recordClass == SelRecordClass::kUnknown) return "undefined record type";
  // 2. OEM record type 0xF0: ipmitool prints its bytes as an operating
  //    system's panic text.
  if (event.recordType == 0xF0) return "OEM text record";
  const bool sameTime = expected.date == peer.date && expected.time == peer.time;
  // 3. The time stamp 0x20000000: the decoder counts values up to and
  //    including it as time since initialisation; ipmitool shows it as a date.
  if (!sameTime && event.timestamp.value == 0x20000000) return "last pre-init stamp";
  if (!sameTime || event.recordClass != SelRecordClass::kSystemEvent) return "";
  if (expected.id != peer.id || expected.direction != peer.direction) return "";
  const std::string peerName = peer.sensor.substr(0, peer.sensor.rfind(" #0x"));
  const std::string expectedName = expected.sensor.substr(0, expected.sensor.rfind(" #0x"));
  // 4. ipmitool leaves out the sensor number 0x00.
  const bool numberAgrees = expected.sensor.substr(expectedName.size()) == peer.sensor.substr(peerName.size()) ||
                            (event.sensorNumber == 0 && peerName == peer.sensor);
  if (!numberAgrees) return "";
  // 5. Codes the tables do not name: ipmitool prints "reserved", "Unknown"
  //    or nothing where the decoder prints "Unknown (0x..)" or "OEM (0x..)".
  const bool nameAgrees =
      expectedName == peerName || (IsUnnamed(expectedName) && (peerName == "reserved" || peerName == "Unknown"));
  if (!nameAgrees) return "";
  // 6. ipmitool's threshold texts end in a blank.
  std::string peerText = peer.description;
  while (peerText.ends_with(' ')) peerText.pop_back();
  if (peerText == expected.description) {
    if (expectedName != peerName) return "unnamed sensor type";
    return peerText == peer.description ? "sensor number 0x00" : "trailing blank";
  }
  if (IsUnnamed(expected.description) && (peerText.empty() || peerText == "reserved")) return "unnamed offset";
  if (event.eventClass != SelEventClass::kSensorSpecific) return "";
  const auto offsetIs = [&event](std::uint8_t sensorType, std::initializer_list<std::uint8_t> offsets) {
    return event.sensorType == sensorType && std::find(offsets.begin(), offsets.end(), event.offset) != offsets.end();
  };
  // 7. ipmitool refines these offsets by event data 2 or 3 (firmware progress
  //    codes, power supply configuration errors, the kind of version change)
  //    and prints nothing when the data is out of its table.
  if (offsetIs(0x0F, {0, 1, 2}) || offsetIs(0x08, {6}) || offsetIs(0x2B, {1, 7})) return "refined by event data";
  // 8. Offsets of the standard that ipmitool does not name: the session audit
  //    offsets and "correctable machine check error logging disabled".
  if (peerText.empty() && (offsetIs(0x2A, {0, 1, 2, 3}) || offsetIs(0x10, {6}))) return "not named by ipmitool";
  return "";
}

TEST(SelEventPeerTest, AgreesWithIpmitoolRecordByRecord) {
  if (!fixture::IpmitoolInstalled()) {
    GTEST_SKIP() << "SKIPPED: ipmitool is not installed, so the decoder was not compared with it "
                    "(scripts/setup.sh installs it)";
  }
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("rcv-sel-peer-" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::vector<Record> records = RandomRecords();
  {
    std::ofstream file(dir / "records.bin", std::ios::binary);
    for (const Record& record : records) file.write(reinterpret_cast<const char*>(record.data()), record.size());
  }
  const std::string output = fixture::IpmitoolReadRaw(dir / "records.bin", dir);
  std::filesystem::remove_all(dir);
  const std::vector<std::string> lines = SplitPeerLines(output, records);
  ASSERT_EQ(records.size(), lines.size()) << output.substr(0, 2000);

  std::map<std::string, int> kinds;
  std::set<std::uint8_t> sensorTypes, eventTypes;
  int compared = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const SelEvent event = DecodeSelEvent(records[i]);
    const PeerLine expected = ExpectedLine(event);
    const PeerLine peer = ParsePeerLine(lines[i]);
    if (event.recordClass == SelRecordClass::kSystemEvent) {
      sensorTypes.insert(event.sensorType);
      eventTypes.insert(event.eventType);
    }
    const bool same = expected.id == peer.id && expected.date == peer.date && expected.time == peer.time &&
                      expected.sensor == peer.sensor && Lower(peer.description) == Lower(expected.description) &&
                      Lower(peer.direction) == Lower(expected.direction);
    if (same) {
      ++compared;
      continue;
    }
    const std::string kind = KnownDifference(event, expected, peer);
    ++kinds[kind.empty() ? "UNEXPLAINED" : kind];
    EXPECT_FALSE(kind.empty()) << "record " << HexOf(records[i]) << "\n  decoder:  " << expected.date << ","
                               << expected.time << "," << expected.sensor << "," << expected.description << ","
                               << expected.direction << "\n  ipmitool: " << lines[i];
  }
  for (std::uint8_t type = 0x01; type <= 0x2C; ++type) EXPECT_TRUE(sensorTypes.contains(type)) << int{type};
  for (std::uint8_t type = 0x01; type <= 0x0C; ++type) EXPECT_TRUE(eventTypes.contains(type)) << int{type};
  std::string summary = std::to_string(compared) + " of " + std::to_string(records.size()) + " records identical";
  for (const auto& [kind, count] : kinds) summary += "; " + kind + ": " + std::to_string(count);
  std::printf("%s\n", summary.c_str());
}

}  // namespace
}  // namespace rcv
