#include "shell/file_watch.h"

#include <unistd.h>

#include <tuple>

#include "base/regular_file.h"

namespace rcv {
namespace {

FileIdentity IdentityOf(const struct stat& status) {
  return {status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

bool IsRecent(const timespec& stamp, const timespec& now) { return stamp.tv_sec >= now.tv_sec - kQuietSeconds; }

}  // namespace

bool FileIdentity::operator==(const FileIdentity& other) const {
  const auto fields = [](const FileIdentity& id) {
    return std::tie(id.device, id.inode, id.size, id.modified.tv_sec, id.modified.tv_nsec, id.changed.tv_sec,
                    id.changed.tv_nsec);
  };
  return fields(*this) == fields(other);
}

FileWatch::State FileWatch::Refresh(const std::string& path, std::string& image) {
  struct stat status {};
  // A status call never blocks, whatever the path names.
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return State::kUnreadable;
  if (known_ && !recent_ && IdentityOf(status) == identity_) return State::kUnchanged;

  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  UniqueFd fd = OpenRegularFd(path);
  if (!fd.valid() || ::fstat(fd.get(), &status) != 0 || !ReadToEnd(fd.get(), image)) return State::kUnreadable;
  // Compared byte for byte: a hash of the content could be made to match.
  const bool same = known_ && recent_ && image == recentImage_;
  known_ = true;
  identity_ = IdentityOf(status);
  identity_.size = static_cast<off_t>(image.size());
  recent_ = IsRecent(status.st_mtim, now) || IsRecent(status.st_ctim, now);
  if (recent_) {
    recentImage_ = image;
  } else {
    recentImage_.clear();
    recentImage_.shrink_to_fit();
  }
  return same ? State::kUnchanged : State::kChanged;
}

}  // namespace rcv
