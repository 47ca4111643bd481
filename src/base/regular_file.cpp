#include "base/regular_file.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>

namespace rcv {

namespace {

// The kernel's own files (/proc, /sys) look regular but are made as they
// are read: some, such as /proc/self/pagemap, run to hundreds of gigabytes
// while their size reads 0. No file of the viewer's lies there.
bool IsKernelPseudoFile(const struct statfs& fileSystem) {
  return fileSystem.f_type == PROC_SUPER_MAGIC || fileSystem.f_type == SYSFS_MAGIC;
}

}  // namespace

UniqueFd OpenRegularFd(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!fd.valid()) return fd;
  struct stat status {};
  struct statfs fileSystem {};
  // The flag may stay: reads of a regular file never block anyway.
  if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) || ::fstatfs(fd.get(), &fileSystem) != 0 ||
      IsKernelPseudoFile(fileSystem)) {
    return UniqueFd();
  }
  return fd;
}

UniqueFile OpenRegularFile(const std::string& path) {
  UniqueFd fd = OpenRegularFd(path);
  if (!fd.valid()) return nullptr;
  UniqueFile file(::fdopen(fd.get(), "rb"));
  if (file) fd.Release();
  return file;
}

long ReadRetryingOnSignal(int fd, void* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(fd, buffer, size);
    if (got >= 0 || errno != EINTR) return got;
  }
}

bool ReadToEnd(int fd, std::string& content) {
  content.clear();
  char buffer[65536];
  for (;;) {
    const long got = ReadRetryingOnSignal(fd, buffer, sizeof buffer);
    if (got == 0) return true;
    if (got < 0) return false;
    content.append(buffer, static_cast<std::size_t>(got));
  }
}

bool ReadRegularFile(const std::string& path, std::string& content) {
  content.clear();
  const UniqueFd fd = OpenRegularFd(path);
  return fd.valid() && ReadToEnd(fd.get(), content);
}

bool IsReadableRegularFile(const std::string& path) {
  // Asked for every file a dictionary names: answered without opening it.
  struct stat status {};
  struct statfs fileSystem {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && ::statfs(path.c_str(), &fileSystem) == 0 &&
         !IsKernelPseudoFile(fileSystem) && ::faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) == 0;
}

}  // namespace rcv
