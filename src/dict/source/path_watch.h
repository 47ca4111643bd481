// Being told, through inotify, of every change to what a set of paths name:
// a file's content, times and permissions (through a symbolic link too), and
// the name of every component of its path, so that a file or folder
// created, removed or renamed over is seen as well; a path that names
// nothing yet is watched through the nearest folder above it that exists.
//
// Writes through a shared memory mapping raise no event and are not seen.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "base/unique_fd.h"

namespace rcv {

class PathWatch {
 public:
  // Watches what `path` names from now on. False when this can't be done
  // (no inotify, the watch limit reached, a file system whose changes
  // inotify doesn't hear of): the caller has to look at the file itself.
  bool Watch(const std::string& path);
  // True when something watched may have changed since the last call (or
  // since it was watched), events lost included; every watch is gone then,
  // and what is watched anew starts from the files as they are. One
  // non-blocking read when nothing happened.
  bool TakeChanges();

 private:
  enum class FolderWatch { kWatched, kMissing, kImpossible };
  // Watches `folder` for changes to its entry `name` and to itself.
  FolderWatch WatchFolder(const std::string& folder, const std::string& name);
  bool WatchFolders(const std::string& path);
  void Reset();

  UniqueFd changes_;
  bool opened_ = false;
  // Folder watches: the entries that matter in each, and each folder's watch.
  std::unordered_map<int, std::unordered_set<std::string>> entries_;
  std::unordered_map<std::string, int> folders_;
  // File watches, where every event matters, and the paths watched so.
  std::unordered_set<int> files_;
  std::unordered_set<std::string> filePaths_;
};

}  // namespace rcv
