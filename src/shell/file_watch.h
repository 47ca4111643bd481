// Knowing whether a file changed since it was last read, without reading
// it again when it can't have: its identity (device, inode, size, change and
// modification times in nanoseconds) is compared with the one remembered.
// A file modified within the last moments may change again within the same
// clock tick, unseen by its times; such a file is read and compared byte
// for byte with what was read before at every use until it has been quiet
// for a while.
#pragma once

#include <sys/stat.h>

#include <ctime>
#include <string>

namespace rcv {

// How long a file must have been left alone before its times are trusted.
inline constexpr std::time_t kQuietSeconds = 2;

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};
  bool operator==(const FileIdentity& other) const;
};

class FileWatch {
 public:
  enum class State {
    kUnchanged,   // what was read last time is still the file's content
    kChanged,     // the file was read; `image` holds its content
    kUnreadable,  // not a regular file, or it can't be read
  };

  State Refresh(const std::string& path, std::string& image);

 private:
  bool known_ = false;
  bool recent_ = false;  // modified too lately for its times to tell
  FileIdentity identity_;
  std::string recentImage_;  // the content last read, kept while recent_
};

}  // namespace rcv
