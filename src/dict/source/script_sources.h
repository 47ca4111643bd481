// The files a dictionary run reads, through the dictionary's file seam, with
// what was made of them kept between runs: parsed scripts and split
// companion files, each checked against its file at every use.
#pragma once

#include <memory>
#include <string>

#include "dict/source/checked_file_cache.h"
#include "dict/source/companion_file.h"
#include "dict/source/file_source.h"
#include "dict/source/script_lines.h"

namespace rcv {

// A script as the per-call road loads it.
struct LoadedScript {
  explicit LoadedScript(std::string_view image);
  std::size_t Bytes() const { return lines.Bytes(); }
  ScriptLines lines;
};

class ScriptSources {
 public:
  explicit ScriptSources(FileSource& files) : files_(files) {}

  FileSource& files() { return files_; }
  // The script or companion file at `path` as it is now, or null when it
  // can't be read.
  std::shared_ptr<const LoadedScript> Script(const std::string& path) { return scripts_.Get(files_, path); }
  std::shared_ptr<const CompanionFile> Companion(const std::string& path) { return companions_.Get(files_, path); }

 private:
  FileSource& files_;
  CheckedFileCache<LoadedScript> scripts_;
  CheckedFileCache<CompanionFile> companions_;
};

}  // namespace rcv
