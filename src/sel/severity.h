// The severity of a system event, in the words of a Redfish LogEntry.
#pragma once

#include <string_view>

namespace rcv {

enum class Severity { kOk, kWarning, kCritical };

// "OK", "Warning" or "Critical".
std::string_view SeverityName(Severity severity);

}  // namespace rcv
