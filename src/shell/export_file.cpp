#include "shell/export_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include "base/file_writing.h"

namespace rcv {

namespace {

constexpr mode_t kNewFileMode = 0666;  // less the umask, as any new file

// Regular files and paths where nothing is yet are replaced whole; a link
// is followed and written directly, since the file behind /dev/stdout may
// be a terminal or what the shell opened.
bool IsReplaceable(const std::string& path, struct stat& status) {
  if (::lstat(path.c_str(), &status) != 0) return errno == ENOENT;
  return S_ISREG(status.st_mode);
}

std::string TemporaryPath(const std::string& path) {
  const std::filesystem::path target(path);
  const std::string name = "." + target.filename().string() + "." + std::to_string(::getpid()) + ".tmp";
  return (target.parent_path() / name).string();
}

// One open that doesn't follow a link and doesn't reuse what is there; a
// file of the same name that a crashed run of the same process number
// left is removed once.
UniqueFd CreateTemporary(const std::string& temporary) {
  constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
  UniqueFd fd(::open(temporary.c_str(), kFlags, kNewFileMode));
  if (!fd.valid() && errno == EEXIST && ::unlink(temporary.c_str()) == 0) {
    fd = UniqueFd(::open(temporary.c_str(), kFlags, kNewFileMode));
  }
  return fd;
}

}  // namespace

ExportFile::~ExportFile() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool ExportFile::OpenDirectly() {
  fd_ = UniqueFd(::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode));
  return fd_.valid() || Fail(errno);
}

bool ExportFile::Open() {
  struct stat status {};
  if (!IsReplaceable(path_, status)) return OpenDirectly();
  const bool existed = S_ISREG(status.st_mode);
  temporary_ = TemporaryPath(path_);
  fd_ = CreateTemporary(temporary_);
  if (!fd_.valid()) {
    temporary_.clear();  // nothing of ours to remove
    // A folder that takes no new file may still hold a writable export:
    // that one is written in place, as it always was.
    if (existed && errno == EACCES) return OpenDirectly();
    return Fail(errno);
  }
  // The replacement keeps the earlier file's permissions, and its owner
  // where the system allows that.
  if (existed) {
    if (::fchmod(fd_.get(), status.st_mode & 07777) != 0) return Fail(errno);
    static_cast<void>(::fchown(fd_.get(), status.st_uid, status.st_gid));
  }
  return true;
}

bool ExportFile::Commit() {
  // Only a temporary file is synced: what is written directly may be a
  // pipe or a terminal, which can't be.
  const SyncToDisk sync = temporary_.empty() ? SyncToDisk::kNo : SyncToDisk::kYes;
  if (const FileWriteResult written = FinishFile(std::move(fd_), text_.str(), sync); !written.ok()) {
    return Fail(written.error);
  }
  if (temporary_.empty()) return true;
  if (::rename(temporary_.c_str(), path_.c_str()) != 0) return Fail(errno);
  temporary_.clear();
  return true;
}

bool ExportFile::Fail(int error) {
  reason_ = std::strerror(error);
  fd_.Close();
  return false;
}

}  // namespace rcv
