// How the dictionary reaches the files it reads: the disk in the programs,
// texts held in memory for the tests and fuzzers, so that a script run can
// be driven without writing a tree of files first.
#pragma once

#include <map>
#include <string>

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
};

class DiskFiles final : public FileSource {
 public:
  FileWatch::State Refresh(const std::string& path, FileWatch& watch, std::string& image) override;
  bool Read(const std::string& path, std::string& image) override;
  bool IsReadable(const std::string& path) override;
};

// Files by exact path. Every refresh reads the text anew, so a text put
// again between two runs is seen by the next.
class MemoryFiles final : public FileSource {
 public:
  void Put(const std::string& path, std::string content) { files_[path] = std::move(content); }

  FileWatch::State Refresh(const std::string& path, FileWatch& watch, std::string& image) override;
  bool Read(const std::string& path, std::string& image) override;
  bool IsReadable(const std::string& path) override { return files_.contains(path); }

 private:
  std::map<std::string, std::string> files_;
};

}  // namespace rcv
