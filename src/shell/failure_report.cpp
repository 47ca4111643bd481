#include "shell/failure_report.h"

#include <cerrno>
#include <iostream>

#include "base/regular_file.h"
#include "shell/setup_file.h"

namespace rcv {

// Named after the program that runs, as the system named it, since the
// viewer, rcdict and rcquery all read the same files through this code.
void ReportFileFailure(std::string_view path, std::string_view reason) {
  std::cerr << program_invocation_short_name << ": " << path << ": " << reason << '\n';
}

std::string SizeReason(std::uintmax_t size, std::string_view expected) {
  return "file is " + std::to_string(size) + " bytes, expected " + std::string(expected);
}

std::string SetupKeyReason(const std::string& setupPath, std::string_view section, std::string_view key) {
  std::string content;
  std::string reason;
  if (ReadFileText(setupPath, content, &reason) != FileAccess::kOk) return reason;
  std::string value;
  const std::string where = std::string(key) + " in [" + std::string(section) + "]";
  if (GetSetupValue(section, key, setupPath, kSetupValueSize, value) != 0) return "no " + where;
  return where + " is empty";
}

}  // namespace rcv
