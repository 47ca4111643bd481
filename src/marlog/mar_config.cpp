#include "marlog/mar_config.h"

#include <cstdlib>

#include "shell/failure_report.h"
#include "shell/roots.h"
#include "shell/setup_file.h"

namespace rcv {

int LoadMarConfig(std::ostream& out, MarConfig& config) {
  std::string value;
  const std::string setupPath = SetupFilePath();
  if (GetSetupValue("MAG", "MAR_STACK_MAX", setupPath, kMarStackMaxValueSize, value) < 0) {
    out << "Getting MAR stack num failed.\n";
    ReportFileFailure(setupPath, SetupKeyReason(setupPath, "MAG", "MAR_STACK_MAX"));
    return -1;
  }
  // Text that is no number reads as 0, which leaves room for no row.
  config.stackMax = static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
  if (config.stackMax == 0) {
    out << "MAR stack num invalid.\n";
    ReportFileFailure(setupPath, "MAR_STACK_MAX in [MAG] is \"" + value + "\", expected a number above 0");
    return -1;
  }
  config.marDir = VrkLogPath("mar") + "/";
  config.callReasonPath = JoinPath({InstallRoot(), "MainteData", "call_reason.csv"});
  return 1;
}

}  // namespace rcv
