#include "base/utc_time.h"

#include <cstdio>
#include <ctime>

namespace rcv {

UtcTimeText FormatUtcTime(std::int32_t stamp) {
  if (stamp <= kLastPreInitTimestamp) return {};
  const std::time_t seconds = stamp;
  std::tm parts{};
  if (gmtime_r(&seconds, &parts) == nullptr) return {};
  char year[16];
  std::snprintf(year, sizeof year, "%04d", parts.tm_year + 1900);
  char date[32];
  std::snprintf(date, sizeof date, "%c%c/%02d/%02d", year[2], year[3], parts.tm_mon + 1, parts.tm_mday);
  char time[48];
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", parts.tm_hour, parts.tm_min, parts.tm_sec);
  return {date, time};
}

std::string FormatStampColumn(std::uint32_t stamp) {
  const UtcTimeText text = FormatUtcTime(static_cast<std::int32_t>(stamp));
  if (text.date.empty() || text.time.empty()) return std::string(kPreInitTimestamp);
  return text.date + " " + text.time + " ";
}

}  // namespace rcv
