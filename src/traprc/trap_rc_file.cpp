#include "traprc/trap_rc_file.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/regular_file.h"
#include "shell/failure_report.h"
#include "shell/file_block.h"
#include "shell/roots.h"
#include "shell/setup_file.h"

namespace rcv {

namespace {

constexpr std::string_view kTrapRcChangedMessage = "Trap RC table was changed by someone else. Not updated.";

void PrintFileError(std::ostream& out, std::string_view what, std::string_view reason, const std::string& path) {
  out << what << " (" << reason << ")\n  FILE:" << path << '\n';
}

// Reads until `buffer` is full or the file ends; false on a read error.
bool ReadUpTo(int fd, std::span<std::uint8_t> buffer) {
  std::size_t filled = 0;
  while (filled < buffer.size()) {
    const long got = ReadRetryingOnSignal(fd, buffer.data() + filled, buffer.size() - filled);
    if (got == 0) return true;
    if (got < 0) return false;
    filled += static_cast<std::size_t>(got);
  }
  return true;
}

}  // namespace

std::string TrapRcTablePath(const std::string& confDir) { return DictionaryFilePath(confDir, kTrapRcFileName); }

int LoadTrapRcDir(std::ostream& out, std::string& confDir) {
  confDir.clear();
  const std::string setupPath = SetupFilePath();
  if (GetSetupValue("COMMON", "CONF_DIR", setupPath, kSetupValueSize, confDir) != 0 || confDir.empty()) {
    out << "Getting threshold table path failed.\n";
    ReportFileFailure(setupPath, SetupKeyReason(setupPath, "COMMON", "CONF_DIR"));
    return -1;
  }
  return 1;
}

int LoadTrapRcTable(std::ostream& out, const std::string& confDir, TrapRcTable& table) {
  const std::string path = TrapRcTablePath(confDir);
  const OpenedFile file = OpenForReading(path);
  if (file.access == FileAccess::kCannotOpen) {
    PrintFileError(out, "Open error.", file.reason, path);
    ReportFileFailure(path, file.reason);
    return -1;
  }
  // What is no regular file has no size a table can have.
  struct stat status {};
  if (file.access != FileAccess::kOk || ::fstat(file.fd.get(), &status) != 0 ||
      status.st_size > static_cast<off_t>(table.size())) {
    out << "Invalid file size.\n\n";
    ReportFileFailure(path, file.access != FileAccess::kOk ? file.reason
                                                           : SizeReason(static_cast<std::uintmax_t>(status.st_size),
                                                                        "at most " + std::to_string(table.size())));
    return -1;
  }
  if (!ReadUpTo(file.fd.get(), table)) {
    const std::string reason = std::strerror(errno);
    PrintFileError(out, "Read error.", reason, path);
    out << '\n';
    ReportFileFailure(path, reason);
    return -1;
  }
  return 1;
}

int SaveTrapRcTable(std::ostream& out, const std::string& confDir, const TrapRcTable& table,
                    const TrapRcTable& loaded) {
  const std::string path = TrapRcTablePath(confDir);
  // Only a complete table is overwritten; a short file keeps its bytes.
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    ReportFileFailure(path, std::strerror(errno));
    return -1;
  }
  if (!S_ISREG(status.st_mode) || status.st_size != static_cast<off_t>(table.size())) {
    ReportFileFailure(path, S_ISREG(status.st_mode)
                                ? SizeReason(static_cast<std::uintmax_t>(status.st_size), std::to_string(table.size()))
                                : "not a regular file");
    return -1;
  }
  // Two editors that each write back their own image lose one's change: the
  // lock lets one compare and write at a time, and the comparison turns
  // away an image that another editor's write made stale. The lock goes
  // with the descriptor; readers that take none are not held up.
  const OpenedFile file = OpenForReading(path);
  if (file.access != FileAccess::kOk) {
    out << "Trap RC table file open failed.\n";
    ReportFileFailure(path, file.reason);
    return -1;
  }
  TrapRcTable current;
  current.fill(kFreeKind);
  if (::flock(file.fd.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
    out << kTrapRcChangedMessage << '\n';
    ReportFileFailure(path, "locked by another editor");
    return kTrapRcChangedElsewhere;
  }
  if (::pread(file.fd.get(), current.data(), current.size(), 0) != static_cast<ssize_t>(current.size()) ||
      current != loaded) {
    out << kTrapRcChangedMessage << '\n';
    ReportFileFailure(path, "changed since it was read");
    return kTrapRcChangedElsewhere;
  }
  std::string reason;
  switch (WriteFileBlock(path, table, 0, &reason)) {
    case kFileOk:
      return 1;
    case kFileOpenFailed:
      out << "Trap RC table file open failed.\n";
      ReportFileFailure(path, reason);
      return -1;
    default:
      out << "Trap RC table file write failed.\n";
      ReportFileFailure(path, reason);
      return -1;
  }
}

}  // namespace rcv
