#include "shell/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rcv {

UniqueFd OpenRegularFd(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!fd.valid()) return fd;
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return UniqueFd();
  // Regular files never block; the flag is dropped so that buffered reads
  // behave as usual.
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return UniqueFd();
  return fd;
}

UniqueFile OpenRegularFile(const std::string& path) {
  UniqueFd fd = OpenRegularFd(path);
  if (!fd.valid()) return nullptr;
  UniqueFile file(::fdopen(fd.get(), "rb"));
  if (file) fd.Release();
  return file;
}

bool ReadRegularFile(const std::string& path, std::string& content) {
  content.clear();
  UniqueFd fd = OpenRegularFd(path);
  if (!fd.valid()) return false;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got == 0) return true;
    if (got < 0) return false;
    content.append(buffer, static_cast<std::size_t>(got));
  }
}

bool IsReadableRegularFile(const std::string& path) { return OpenRegularFd(path).valid(); }

}  // namespace rcv
