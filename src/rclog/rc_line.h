// One RC log record as a line of the RC list and of the saved RC text:
// date and time, level, the RC's five fields and, in CE mode, its name.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "dict/rc_info.h"
#include "rclog/rc_log.h"
#include "shell/reference_code.h"
#include "shell/run_options.h"

namespace rcv {

inline constexpr std::string_view kRcLogEmpty = "RC is 0 cases.";
inline constexpr std::string_view kRcEndOfData = "--- End of data. ---";
inline constexpr std::string_view kRcNameUnknown = "LMON_DETECTION_FAILURE";

// The dictionary lookup the lines name RCs through (GetRcInfo in the program).
using RcLookup = int (*)(std::span<const std::uint8_t, kRcKeySize> rc, RcInfo& info);

// The two heading lines, each with its line end.
std::string_view RcLineHeading(ViewMode mode);

// The line up to where the name stands: stamp, level and the RC's fields,
// and in CE mode the three blanks before the name.
std::string FormatRcColumns(const RcEntry& entry, ViewMode mode);

// The line without its line end; `name` is shown in CE mode only.
std::string FormatRcLine(const RcEntry& entry, ViewMode mode, std::string_view name);

// The leading bytes the dictionary is keyed by.
std::span<const std::uint8_t, kRcKeySize> RcKeyOf(const ReferenceCode& rc);

// The RC's name from the dictionary, or nothing when the lookup failed.
std::optional<std::string> LookUpRcName(const ReferenceCode& rc, RcLookup lookup);

}  // namespace rcv
