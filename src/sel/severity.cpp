#include "sel/severity.h"

namespace rcv {

std::string_view SeverityName(Severity severity) {
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
