// How serious a system event is, as the SEL listings and rcquery rank it.
#pragma once

#include <string_view>

namespace rcv {

// Ordered from the least to the most serious.
enum class Severity { kOk, kWarning, kCritical };

constexpr std::string_view SeverityName(Severity severity) {
  switch (severity) {
    case Severity::kOk:
      return "OK";
    case Severity::kWarning:
      return "Warning";
    case Severity::kCritical:
      return "Critical";
  }
  return "Warning";
}

}  // namespace rcv
