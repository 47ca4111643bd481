#include "shell/file_block.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/regular_file.h"
#include "shell/failure_report.h"

namespace rcv {

namespace {

void SetReason(std::string* reason, std::string text) {
  if (reason != nullptr) *reason = std::move(text);
}

// Why fewer bytes came than asked for: a read error, or a shorter file.
std::string ShortReadReason(int fd, ssize_t got, std::size_t length) {
  if (got < 0) return std::strerror(errno);
  struct stat status {};
  const std::uintmax_t size =
      ::fstat(fd, &status) == 0 ? static_cast<std::uintmax_t>(status.st_size) : static_cast<std::uintmax_t>(got);
  return SizeReason(size, std::to_string(length));
}

}  // namespace

int ReadFileBlock(const std::string& path, std::span<std::uint8_t> buffer, std::string* reason) {
  const OpenedFile file = OpenForReading(path);
  SetReason(reason, file.reason);
  if (file.access == FileAccess::kCannotOpen) return kFileOpenFailed;
  if (file.access != FileAccess::kOk) return kFileShortRead;
  const ssize_t got = ::read(file.fd.get(), buffer.data(), buffer.size());
  if (got == static_cast<ssize_t>(buffer.size())) return kFileOk;
  SetReason(reason, ShortReadReason(file.fd.get(), got, buffer.size()));
  return kFileShortRead;
}

int WriteFileBlock(const std::string& path, std::span<const std::uint8_t> bytes, std::size_t offset,
                   std::string* reason) {
  // No O_CREAT and no O_TRUNC: only a log that exists is rewritten, and
  // whatever lies beyond the written bytes stays.
  UniqueFd file(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
  if (!file.valid()) {
    SetReason(reason, std::strerror(errno));
    return kFileOpenFailed;
  }
  const ssize_t put = ::pwrite(file.get(), bytes.data(), bytes.size(), static_cast<off_t>(offset));
  if (put < 0) SetReason(reason, std::strerror(errno));
  if (put >= 0 && put != static_cast<ssize_t>(bytes.size())) {
    SetReason(reason, "wrote " + std::to_string(put) + " of " + std::to_string(bytes.size()) + " bytes");
  }
  const bool closed = file.Close();
  if (put == static_cast<ssize_t>(bytes.size()) && !closed) SetReason(reason, std::strerror(errno));
  return put == static_cast<ssize_t>(bytes.size()) && closed ? kFileOk : kFileShortWrite;
}

}  // namespace rcv
