// What was made of files (parsed scripts, split companion files), kept
// between uses and checked against the file on disk at every use, so that
// every use sees the file as it is at that moment.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>

#include "dict/source/file_source.h"
#include "shell/file_watch.h"

namespace rcv {

// `Made` is built from the file's whole content (a std::string_view) and
// tells its size with Bytes().
template <typename Made>
class CheckedFileCache {
 public:
  // Past this many bytes held the cache starts afresh.
  static constexpr std::size_t kBytesMax = 64u << 20;

  // What the file at `path` makes as it is now, or null when it can't be
  // read (missing, not a regular file, unreadable).
  std::shared_ptr<const Made> Get(FileSource& files, const std::string& path) {
    Entry& entry = entries_[path];
    std::string image;
    switch (files.Refresh(path, entry.watch, image)) {
      case FileWatch::State::kUnreadable:
        Forget(path);
        return nullptr;
      case FileWatch::State::kUnchanged:
        if (entry.made) return entry.made;
        break;
      case FileWatch::State::kChanged:
        break;
    }
    auto made = std::make_shared<const Made>(image);
    bytes_ += made->Bytes() - (entry.made ? entry.made->Bytes() : 0);
    entry.made = made;
    if (bytes_ > kBytesMax) Clear();
    return made;
  }

  void Clear() {
    entries_.clear();
    bytes_ = 0;
  }

 private:
  struct Entry {
    FileWatch watch;
    std::shared_ptr<const Made> made;
  };

  void Forget(const std::string& path) {
    const auto found = entries_.find(path);
    if (found == entries_.end()) return;
    if (found->second.made) bytes_ -= found->second.made->Bytes();
    entries_.erase(found);
  }

  std::unordered_map<std::string, Entry> entries_;
  std::size_t bytes_ = 0;
};

}  // namespace rcv
