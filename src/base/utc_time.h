// Log time stamps as the lists show them: YY/MM/DD and HH:MM:SS in UTC.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rcv {

// Stamps up to this value, or with the top bit set, are no valid time.
inline constexpr std::int32_t kLastPreInitTimestamp = 0x20000000;
inline constexpr std::string_view kPreInitTimestamp = "pre init timestamp";

struct UtcTimeText {
  std::string date;  // "09/03/14", or empty for no valid time
  std::string time;  // "18:48:33", or empty for no valid time
};

UtcTimeText FormatUtcTime(std::int32_t stamp);

// The stamp as one 18-character column, "YY/MM/DD HH:MM:SS ", or
// "pre init timestamp".
std::string FormatStampColumn(std::uint32_t stamp);

}  // namespace rcv
