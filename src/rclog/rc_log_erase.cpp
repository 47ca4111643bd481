#include "rclog/rc_log_erase.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rclog/rc_log.h"
#include "shell/console.h"
#include "shell/failure_report.h"
#include "shell/file_block.h"
#include "shell/roots.h"

namespace rcv {

namespace {

constexpr std::string_view kOpenFailed = "RC LOG open failed.";
constexpr std::string_view kWriteFailed = "RC LOG write failed.";

int ReportAndWait(Screen& screen, std::string_view message, std::string_view outcome, int result) {
  if (!message.empty()) screen.out() << message << '\n';
  screen.out() << outcome << '\n';
  WaitEnterKey(screen.console);
  screen.out() << '\n';
  return result;
}

int Fail(Screen& screen, std::string_view message, const std::string& path, const std::string& reason) {
  screen.out() << message << '\n';
  ReportFileFailure(path, reason);
  return ReportAndWait(screen, "", "RC LOG not erased.", -1);
}

}  // namespace

int EraseRcLog(Screen& screen) {
  if (AskYesNo(screen.console, "Erase RC LOG ? (y/[n]) : ") != 1) return 1;
  const std::string path = VrkLogPath("rc.log");
  // The whole log is read only to make sure it is there and complete.
  std::vector<std::uint8_t> image(kRcLogSize, 0);
  std::string reason;
  const int read = ReadFileBlock(path, image, &reason);
  if (read == kFileOpenFailed) return Fail(screen, kOpenFailed, path, reason);
  if (read != kFileOk) return Fail(screen, kRcLogReadFailed, path, reason);
  // Only the two header fields are written, in place: a record that the
  // service adds meanwhile is kept, and so is everything else in the file.
  const std::array<std::uint8_t, kRcLogResetSize> reset{};
  const int written = WriteFileBlock(path, reset, kRcLogResetOffset, &reason);
  if (written == kFileOpenFailed) return Fail(screen, kOpenFailed, path, reason);
  if (written != kFileOk) return Fail(screen, kWriteFailed, path, reason);
  return ReportAndWait(screen, "", "RC LOG erased.", 1);
}

}  // namespace rcv
