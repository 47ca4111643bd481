#include "rclog/rc_line.h"

#include <algorithm>

#include "base/utc_time.h"

namespace rcv {

namespace {

constexpr std::string_view kCeHeading =
    "date/time          Lv RE UID  EC Failure  Additional RC Name\n"
    "------------------ -- -- ---- -- -------- ---------- --------------------\n";
constexpr std::string_view kUserHeading =
    "date/time          Lv RE UID  EC Failure  Additional\n"
    "------------------ -- -- ---- -- -------- ----------\n";

constexpr std::uint8_t kNoLevel = 0xFF;
// In user mode only levels beginning with this are marked.
constexpr char kMarkedLevelLead = 'U';

std::string LevelColumn(const RcEntry& entry, ViewMode mode) {
  if (mode != ViewMode::kCe) return entry.level[0] == kMarkedLevelLead ? "** " : "   ";
  if (entry.level[0] == kNoLevel && entry.level[1] == kNoLevel) return "   ";
  // The level is text that may end early at a zero byte.
  const auto end = std::find(entry.level.begin(), entry.level.end(), std::uint8_t{0});
  return std::string(entry.level.begin(), end) + " ";
}

}  // namespace

std::string_view RcLineHeading(ViewMode mode) { return mode == ViewMode::kCe ? kCeHeading : kUserHeading; }

std::string FormatRcColumns(const RcEntry& entry, ViewMode mode) {
  // The stamp column is 18 characters, then one blank.
  std::string line = FormatStampColumn(entry.timestamp) + " ";
  line += LevelColumn(entry, mode);
  line += FormatReferenceCode(entry.rc);
  if (mode == ViewMode::kCe) line += "   ";
  return line;
}

std::string FormatRcLine(const RcEntry& entry, ViewMode mode, std::string_view name) {
  std::string line = FormatRcColumns(entry, mode);
  if (mode == ViewMode::kCe) line += name;
  return line;
}

std::span<const std::uint8_t, kRcKeySize> RcKeyOf(const ReferenceCode& rc) {
  return std::span<const std::uint8_t, kReferenceCodeSize>(rc).first<kRcKeySize>();
}

std::optional<std::string> LookUpRcName(const ReferenceCode& rc, RcLookup lookup) {
  RcInfo info;
  if (lookup(RcKeyOf(rc), info) < 0) {
    return std::nullopt;
  }
  return info.rcName;
}

}  // namespace rcv
