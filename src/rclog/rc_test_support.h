// What the RC screen tests share: a stand-in dictionary keyed by the number
// in the Failure code of the fixture's numbered RCs, and the list headings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "dict/rc_info.h"
#include "shell/reference_code.h"

namespace rcv {

// Number n: n % 4 == 1 is not in the dictionary (-3), 2 has an empty name,
// 3 fails the search (-2); the others are named "RC_NAME_<n>".
inline int FakeRcLookup(std::span<const std::uint8_t, kRcKeySize> key, RcInfo& info) {
  const std::uint32_t number = static_cast<std::uint32_t>(key[4]) << 24 | static_cast<std::uint32_t>(key[5]) << 16 |
                               static_cast<std::uint32_t>(key[6]) << 8 | key[7];
  switch (number % 4) {
    case 1:
      return -3;
    case 2:
      info.rcName.clear();
      return 0;
    case 3:
      return -2;
    default:
      info.rcName = "RC_NAME_" + std::to_string(number);
      return 0;
  }
}

// How often `part` stands in `text`, overlaps counted.
inline std::size_t CountOf(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

inline constexpr const char* kUserHeadingText =
    "date/time          Lv RE UID  EC Failure  Additional\n"
    "------------------ -- -- ---- -- -------- ----------\n";
inline constexpr const char* kCeHeadingText =
    "date/time          Lv RE UID  EC Failure  Additional RC Name\n"
    "------------------ -- -- ---- -- -------- ---------- --------------------\n";

}  // namespace rcv
