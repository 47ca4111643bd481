#include "dict/source/path_watch.h"

#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/statfs.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "base/inotify_events.h"

namespace rcv {
namespace {

// What can change the object a name in a folder stands for, or the folder.
constexpr std::uint32_t kFolderMask =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
// What can change a file's content or whether it can be read: a write, a
// truncation, permissions, and its last link going (a rename over it).
constexpr std::uint32_t kFileMask = IN_MODIFY | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;

// Watches in folders_ of a folder not looked at, and of one found missing.
constexpr int kUnknown = -2;
constexpr int kMissing = -1;

// File systems whose changes made elsewhere raise no event here.
constexpr std::array<long, 10> kRemoteFileSystems = {
    NFS_SUPER_MAGIC,  SMB_SUPER_MAGIC,  CIFS_SUPER_MAGIC, SMB2_SUPER_MAGIC, V9FS_MAGIC,
    CEPH_SUPER_MAGIC, FUSE_SUPER_MAGIC, AFS_SUPER_MAGIC,  CODA_SUPER_MAGIC, OCFS2_SUPER_MAGIC};

// A watch refused because the path names nothing (yet), as against one
// that inotify can't give.
bool NamesNothing(int error) {
  return error == ENOENT || error == ENOTDIR || error == EACCES || error == ELOOP || error == ENAMETOOLONG;
}

// Whether a watch refused with `error` leaves the path watched through its
// folders: not so for a symbolic link whose target is missing, since the
// target's creation is no event in them.
bool WatchedThroughFolders(const std::string& path, int error) {
  if (!NamesNothing(error)) return false;
  struct stat status {};
  return error != ENOENT || ::lstat(path.c_str(), &status) != 0;
}

bool IsRemote(const std::string& folder) {
  struct statfs fileSystem {};
  if (::statfs(folder.c_str(), &fileSystem) != 0) return false;  // watched already: taken as local
  return std::find(kRemoteFileSystems.begin(), kRemoteFileSystems.end(), static_cast<long>(fileSystem.f_type)) !=
         kRemoteFileSystems.end();
}

// `path` split at its last '/' into the folder (".", "/") and the entry.
std::pair<std::string, std::string> SplitLast(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

}  // namespace

bool PathWatch::Watch(const std::string& path) {
  // Opened at the first watch, so that a program that looks nothing up
  // holds no inotify instance.
  if (!opened_) {
    changes_ = OpenInotify();
    opened_ = true;
  }
  if (!changes_.valid() || !WatchFolders(path)) return false;
  if (filePaths_.contains(path)) return true;
  // Through a symbolic link this watches the file it leads to, whose
  // changes its folder's watch doesn't hear of.
  const int watch = inotify_add_watch(changes_.get(), path.c_str(), kFileMask);
  if (watch < 0) return WatchedThroughFolders(path, errno);
  files_.insert(watch);
  filePaths_.insert(path);
  return true;
}

bool PathWatch::WatchFolders(const std::string& path) {
  std::string rest = path;
  for (;;) {
    auto [folder, name] = SplitLast(rest);
    if (!name.empty() && WatchFolder(folder, name) == FolderWatch::kImpossible) return false;
    if (folder == "/" || folder == "." || folder == rest) return true;
    rest = std::move(folder);
  }
}

PathWatch::FolderWatch PathWatch::WatchFolder(const std::string& folder, const std::string& name) {
  const auto known = folders_.find(folder);
  int watch = known != folders_.end() ? known->second : kUnknown;
  if (watch == kUnknown) {
    watch = inotify_add_watch(changes_.get(), folder.c_str(), kFolderMask);
    if (watch < 0 && !WatchedThroughFolders(folder, errno)) return FolderWatch::kImpossible;
    // Its creation is an event in the folder above, which is watched next.
    if (watch < 0) watch = kMissing;
    if (watch >= 0 && IsRemote(folder)) return FolderWatch::kImpossible;
    folders_.emplace(folder, watch);
  }
  if (watch == kMissing) return FolderWatch::kMissing;
  entries_[watch].insert(name);
  return FolderWatch::kWatched;
}

bool PathWatch::TakeChanges() {
  if (!changes_.valid()) return false;
  bool changed = false;
  const bool read = TakeInotifyEvents(changes_.get(), [this, &changed](const InotifyEvent& event) {
    if (changed || (event.mask & IN_Q_OVERFLOW) != 0 || files_.contains(event.watch)) {
      changed = true;
      return;
    }
    const auto folder = entries_.find(event.watch);
    // An event on the folder itself (moved, removed, its watch gone) or on
    // an entry that a watched path goes through.
    if (folder != entries_.end()) changed = event.name.empty() || folder->second.contains(std::string(event.name));
  });
  if (!read || changed) {
    Reset();
    return true;
  }
  return false;
}

void PathWatch::Reset() {
  // Closing the descriptor ends every watch at once.
  changes_.Close();
  opened_ = false;
  entries_.clear();
  folders_.clear();
  files_.clear();
  filePaths_.clear();
}

}  // namespace rcv
