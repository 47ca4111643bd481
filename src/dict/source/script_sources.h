// The files a dictionary run reads, through the dictionary's file seam, with
// what was made of them kept between lookups: parsed scripts, split
// companion files and which paths name a readable file. A lookup sees every
// file as it is when the lookup begins, at its first use of a file: the
// changes reported since the last lookup empty the caches then, and files
// whose changes can't be reported are looked at once a lookup.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

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
  std::shared_ptr<const LoadedScript> Script(const std::string& path) {
    return scripts_.Get(files_, path, BeginLookup());
  }
  std::shared_ptr<const CompanionFile> Companion(const std::string& path) {
    return companions_.Get(files_, path, BeginLookup());
  }
  // True for a regular file that can be read.
  bool IsReadable(const std::string& path);
  // From now on a lookup lasts from the first use of a file to EndLookup;
  // until this is called, every use of a file is a lookup of its own.
  void MarkLookups() { lookupsMarked_ = true; }
  // Ends the lookup in progress: the next use of a file begins another.
  void EndLookup() { inLookup_ = false; }

 private:
  struct Readable {
    Freshness freshness;
    bool readable = false;
  };
  // The lookup in progress, begun now when none is.
  std::uint64_t BeginLookup();

  FileSource& files_;
  CheckedFileCache<LoadedScript> scripts_;
  CheckedFileCache<CompanionFile> companions_;
  std::unordered_map<std::string, Readable> readable_;
  std::uint64_t lookup_ = 0;
  bool lookupsMarked_ = false;
  bool inLookup_ = false;
};

}  // namespace rcv
