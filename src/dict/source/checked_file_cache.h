// What was made of files (parsed scripts, split companion files), kept
// between uses. A file is looked at once when first used; after that, a
// file whose changes the file source reports (FileSource::Watch) is taken
// as it is until a change is reported, and the cache is then emptied by its
// owner; any other file is looked at again once a lookup, at its first use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "dict/source/file_source.h"
#include "shell/file_watch.h"

namespace rcv {

// How far what was learnt of one path can be trusted.
class Freshness {
 public:
  // True when what was learnt needs no new look in lookup `lookup`.
  bool Current(std::uint64_t lookup) const { return lookedIn_ != 0 && (notified_ || lookedIn_ == lookup); }
  // Before the path is looked at in lookup `lookup`; the first time, asks
  // to be told of its changes. True when that will be so.
  bool Look(FileSource& files, const std::string& path, std::uint64_t lookup) {
    if (lookedIn_ == 0) notified_ = files.Watch(path);
    lookedIn_ = lookup;
    return notified_;
  }

 private:
  bool notified_ = false;
  std::uint64_t lookedIn_ = 0;  // 0: never looked at
};

// `Made` is built from the file's whole content (a std::string_view) and
// tells its size with Bytes().
template <typename Made>
class CheckedFileCache {
 public:
  // Past this many bytes or paths held the cache starts afresh.
  static constexpr std::size_t kBytesMax = 64u << 20;
  static constexpr std::size_t kPathsMax = 1u << 16;

  // What the file at `path` makes as it is now, or null when it can't be
  // read (missing, not a regular file, unreadable).
  std::shared_ptr<const Made> Get(FileSource& files, const std::string& path, std::uint64_t lookup) {
    if (entries_.size() >= kPathsMax && !entries_.contains(path)) Clear();
    Entry& entry = entries_[path];
    if (entry.freshness.Current(lookup)) return entry.made;
    std::string image;
    FileWatch::State state = FileWatch::State::kUnreadable;
    if (entry.freshness.Look(files, path, lookup)) {
      // Read once: nothing changes unseen from now on.
      if (files.Read(path, image)) state = FileWatch::State::kChanged;
    } else {
      state = files.Refresh(path, entry.watch, image);
    }
    if (state == FileWatch::State::kUnchanged && entry.made) return entry.made;
    if (state == FileWatch::State::kUnreadable) {
      Keep(entry, nullptr);
      entry.watch = FileWatch();
      return nullptr;
    }
    auto made = std::make_shared<const Made>(image);
    Keep(entry, made);
    if (bytes_ > kBytesMax) Clear();
    return made;
  }

  void Clear() {
    entries_.clear();
    bytes_ = 0;
  }

 private:
  struct Entry {
    Freshness freshness;
    FileWatch watch;
    std::shared_ptr<const Made> made;
  };

  void Keep(Entry& entry, std::shared_ptr<const Made> made) {
    bytes_ -= entry.made ? entry.made->Bytes() : 0;
    bytes_ += made ? made->Bytes() : 0;
    entry.made = std::move(made);
  }

  std::unordered_map<std::string, Entry> entries_;
  std::size_t bytes_ = 0;
};

}  // namespace rcv
