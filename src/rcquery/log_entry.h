// One entry of any log rcquery reads, in the shape of a Redfish LogEntry:
// the properties every entry has, what the filters look at, and the
// properties of its own source.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

#include "rcquery/query_time.h"
#include "sel/severity.h"
#include "shell/reference_code.h"
#include "traprc/rc_pattern.h"

namespace rcv {

using Json = nlohmann::ordered_json;

// The sources, as the command line and the Source property name them.
inline constexpr std::string_view kRcSource = "rc";
inline constexpr std::string_view kSelSource = "sel";
inline constexpr std::string_view kMarSource = "mar";
inline constexpr std::string_view kTqrSource = "tqr";

inline constexpr std::string_view kSelEntryType = "SEL";
inline constexpr std::string_view kOemEntryType = "Oem";

struct LogEntry {
  std::string_view source;
  std::string id;
  std::optional<QueryTime> created;
  std::optional<Severity> severity;
  std::string message;
  std::string_view entryType = kOemEntryType;

  // What the filters compare; an entry without one of them never matches
  // a filter on it.
  std::optional<ReferenceCode> rc;         // rc and mar
  std::optional<RcPattern> rcPattern;      // tqr
  std::optional<std::uint8_t> sensorType;  // sel system event records

  // Where a timeless entry stands in a timeline: the time of the entry
  // before it in its own log.
  std::optional<QueryTime> timelineTime;

  // The source's own properties, in output order, after the common ones.
  Json properties = Json::object();
};

}  // namespace rcv
