#include "traprc/trap_rc_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/regular_file.h"
#include "shell/file_block.h"
#include "shell/roots.h"
#include "shell/setup_file.h"

namespace rcv {

namespace {

void PrintFileError(std::ostream& out, std::string_view what, int error, const std::string& path) {
  out << what << " (" << std::strerror(error) << ")\n  FILE:" << path << '\n';
}

// The system's reason why `path` could not be opened as a regular file: a
// folder "is a directory"; a FIFO, device or socket is an "invalid
// argument" to a reader of tables; otherwise what open itself said.
int OpenFailure(const std::string& path, int openError) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return errno;
  if (S_ISDIR(status.st_mode)) return EISDIR;
  if (!S_ISREG(status.st_mode)) return EINVAL;
  return openError;
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
  if (GetSetupValue("COMMON", "CONF_DIR", SetupFilePath(), kSetupValueSize, confDir) != 0 || confDir.empty()) {
    out << "Getting threshold table path failed.\n";
    return -1;
  }
  return 1;
}

int LoadTrapRcTable(std::ostream& out, const std::string& confDir, TrapRcTable& table) {
  const std::string path = TrapRcTablePath(confDir);
  const UniqueFd file = OpenRegularFd(path);
  if (!file.valid()) {
    PrintFileError(out, "Open error.", OpenFailure(path, errno), path);
    return -1;
  }
  struct stat status {};
  if (::fstat(file.get(), &status) != 0 || status.st_size > static_cast<off_t>(table.size())) {
    out << "Invalid file size.\n\n";
    return -1;
  }
  if (!ReadUpTo(file.get(), table)) {
    PrintFileError(out, "Read error.", errno, path);
    out << '\n';
    return -1;
  }
  return 1;
}

int SaveTrapRcTable(std::ostream& out, const std::string& confDir, const TrapRcTable& table) {
  const std::string path = TrapRcTablePath(confDir);
  // Only a complete table is overwritten; a short file keeps its bytes.
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
      status.st_size != static_cast<off_t>(table.size())) {
    return -1;
  }
  switch (WriteFileBlock(path, table)) {
    case kFileOk:
      return 1;
    case kFileOpenFailed:
      out << "Trap RC table file open failed.\n";
      return -1;
    default:
      out << "Trap RC table file write failed.\n";
      return -1;
  }
}

}  // namespace rcv
