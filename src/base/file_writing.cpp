#include "base/file_writing.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <utility>

namespace rcv {

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

FileWriteResult FinishFile(UniqueFd fd, std::string_view bytes, SyncToDisk sync) {
  if (const int error = WriteAll(fd.get(), bytes); error != 0) return {WriteStep::kWrite, error};
  if (sync == SyncToDisk::kYes && ::fsync(fd.get()) != 0) return {WriteStep::kSync, errno};
  if (!fd.Close()) return {WriteStep::kClose, errno};
  return {};
}

FileWriteResult WriteFileDurably(const std::filesystem::path& path, std::string_view bytes, int flags, mode_t mode) {
  UniqueFd fd(::open(path.c_str(), flags, mode));
  if (!fd.valid()) return {WriteStep::kCreate, errno};
  return FinishFile(std::move(fd), bytes, SyncToDisk::kYes);
}

int SyncFolder(const std::filesystem::path& folder) {
  const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.valid() || ::fsync(fd.get()) != 0) return errno;
  return 0;
}

}  // namespace rcv
