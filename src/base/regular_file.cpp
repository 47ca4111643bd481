#include "base/regular_file.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace rcv {

namespace {

// The kernel's own files (/proc, /sys) look regular but are made as they
// are read: some, such as /proc/self/pagemap, run to hundreds of gigabytes
// while their size reads 0. No file of the viewer's lies there.
bool IsKernelPseudoFile(const struct statfs& fileSystem) {
  return fileSystem.f_type == PROC_SUPER_MAGIC || fileSystem.f_type == SYSFS_MAGIC;
}

std::string NotRegularReason(const struct stat& status) {
  return S_ISDIR(status.st_mode) ? std::strerror(EISDIR) : "not a regular file";
}

OpenedFile Failed(FileAccess access, std::string reason) {
  OpenedFile file;
  file.access = access;
  file.reason = std::move(reason);
  return file;
}

}  // namespace

OpenedFile OpenForReading(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return Failed(FileAccess::kCannotOpen, std::strerror(errno));
  if (!S_ISREG(status.st_mode)) return Failed(FileAccess::kCannotRead, NotRegularReason(status));
  OpenedFile file;
  file.fd = UniqueFd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file.fd.valid()) return Failed(FileAccess::kCannotOpen, std::strerror(errno));
  struct statfs fileSystem {};
  // The flag may stay: reads of a regular file never block anyway.
  if (::fstat(file.fd.get(), &status) != 0 || ::fstatfs(file.fd.get(), &fileSystem) != 0) {
    return Failed(FileAccess::kCannotRead, std::strerror(errno));
  }
  if (!S_ISREG(status.st_mode) || IsKernelPseudoFile(fileSystem)) {
    return Failed(FileAccess::kCannotRead, NotRegularReason(status));
  }
  file.access = FileAccess::kOk;
  return file;
}

UniqueFd OpenRegularFd(const std::string& path) { return OpenForReading(path).fd; }

UniqueFile OpenRegularFile(const std::string& path, FileAccess* access, std::string* reason) {
  OpenedFile opened = OpenForReading(path);
  if (access != nullptr) *access = opened.access;
  if (reason != nullptr) *reason = opened.reason;
  if (opened.access != FileAccess::kOk) return nullptr;
  UniqueFile file(::fdopen(opened.fd.get(), "rb"));
  if (file) opened.fd.Release();
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

FileAccess ReadFileText(const std::string& path, std::string& content, std::string* reason) {
  content.clear();
  const OpenedFile file = OpenForReading(path);
  FileAccess access = file.access;
  std::string why = file.reason;
  if (access == FileAccess::kOk && !ReadToEnd(file.fd.get(), content)) {
    why = std::strerror(errno);
    content.clear();
    access = FileAccess::kCannotRead;
  }
  if (reason != nullptr) *reason = why;
  return access;
}

bool ReadRegularFile(const std::string& path, std::string& content) {
  return ReadFileText(path, content) == FileAccess::kOk;
}

bool IsReadableRegularFile(const std::string& path) {
  // Asked for every file a dictionary names: answered without opening it.
  struct stat status {};
  struct statfs fileSystem {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && ::statfs(path.c_str(), &fileSystem) == 0 &&
         !IsKernelPseudoFile(fileSystem) && ::faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) == 0;
}

}  // namespace rcv
