// How the dictionary reaches the files it reads: the disk in the programs,
// texts held in memory for the tests and fuzzers, so that a script run can
// be driven without writing a tree of files first.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "dict/source/path_watch.h"
#include "shell/file_watch.h"

namespace rcv {

class FileSource {
 public:
  virtual ~FileSource() = default;

  // The content of the regular file at `path` into `image`, unless `watch`
  // shows that what it saw last is still the file's content.
  virtual FileWatch::State Refresh(const std::string& path, FileWatch& watch, std::string& image) = 0;
  // The whole content of the regular file at `path`; false when it can't
  // be read.
  virtual bool Read(const std::string& path, std::string& image) = 0;
  // True for a regular file that can be read.
  virtual bool IsReadable(const std::string& path) = 0;

  // Asks to be told of every change to what `path` names from now on;
  // false when that can't be had, and the file has to be looked at again.
  virtual bool Watch(const std::string& path) = 0;
  // True when something watched may have changed since the last call:
  // every watch is gone then.
  virtual bool TakeChanges() = 0;
};

class DiskFiles final : public FileSource {
 public:
  // How changes are learnt: from inotify where it can be had, or only by
  // looking at each file.
  enum class Changes { kNotified, kPolled };
  explicit DiskFiles(Changes changes = Changes::kNotified);

  FileWatch::State Refresh(const std::string& path, FileWatch& watch, std::string& image) override;
  bool Read(const std::string& path, std::string& image) override;
  bool IsReadable(const std::string& path) override;
  bool Watch(const std::string& path) override { return watch_ && watch_->Watch(path); }
  bool TakeChanges() override { return watch_ && watch_->TakeChanges(); }

 private:
  std::unique_ptr<PathWatch> watch_;
};

// Files by exact path. A text put again is a change that the next lookup
// sees.
class MemoryFiles final : public FileSource {
 public:
  void Put(const std::string& path, std::string content) {
    files_[path] = std::move(content);
    changed_ = true;
  }

  FileWatch::State Refresh(const std::string& path, FileWatch& watch, std::string& image) override;
  bool Read(const std::string& path, std::string& image) override;
  bool IsReadable(const std::string& path) override { return files_.contains(path); }
  bool Watch(const std::string&) override { return true; }
  bool TakeChanges() override { return std::exchange(changed_, false); }

 private:
  std::map<std::string, std::string> files_;
  bool changed_ = false;
};

}  // namespace rcv
