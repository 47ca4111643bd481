// One RC dictionary interpreter with everything it keeps between lookups:
// the per-call and preloaded search contexts with their stores, the parsed
// scripts and companion files, the preloaded file images, the expression
// cache, the remembered dictionary path and where diagnostics go. Files are
// read through the FileSource it is given, so a dictionary can run on the
// disk or on texts in memory, and two dictionaries share nothing.
//
// Each run, TablePath and LookUpInTable is one lookup, which sees every file
// as it is when it begins: an edit made between two lookups is seen by the
// second (ScriptSources), except a write through a shared memory mapping.
//
// The programs use one process-wide dictionary, ProcessDictionary(), through
// the faces of rc_lookup.h, rc_text_lookup.h and preloaded_dictionary.h.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "dict/expr/expression_memory.h"
#include "dict/lookup_result.h"
#include "dict/rc_info.h"
#include "dict/source/file_source.h"
#include "dict/source/script_sources.h"
#include "dict/state/run_mode.h"
#include "dict/state/script_output.h"
#include "dict/state/search_context.h"
#include "dict/state/table_path_memory.h"

namespace rcv {

class Dictionary {
 public:
  Dictionary(std::unique_ptr<FileSource> files, std::ostream& diagnostics);
  // On files the caller owns, which must outlive the dictionary.
  Dictionary(FileSource& files, std::ostream& diagnostics);
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;

  FileSource& files() { return files_; }
  // The stream must outlive every lookup that follows.
  void SetDiagnostics(std::ostream& out);
  std::ostream& diagnostics() { return *diagnostics_; }
  // Where the problems a lookup meets go (ReportProblem, diagnostics.h);
  // null drops them. The sink must outlive the lookups that follow.
  void SetProblemSink(std::ostream* sink);
  // Lends this dictionary's files, caches and diagnostics to a context of
  // the caller's.
  void Lend(SearchContext& context);

  // The per-call road: the script at `path` read (or taken from the cache)
  // and run from the top for the RC text.
  LookupResult Run(std::string_view rcText, const std::string& path, ScriptOutput* output, std::string* comment,
                   RunMode mode);
  // A run whose name, comment and FRU rows land in `info` (which the caller
  // clears), cut to the record's sizes.
  LookupResult LookUp(std::string_view rcText, RunMode mode, const std::string& path, RcInfo& info);
  // InstallRoot/MainteData/<CONF_DIR>/rcdicttbl.csv into `path`; when
  // CONF_DIR can't be read, the diagnostic and `path` as it was.
  std::string& TablePath(std::string& path);
  // The two in one lookup: the table's path into `path`, then LookUp.
  LookupResult LookUpInTable(std::string_view rcText, RunMode mode, std::string& path, RcInfo& info);

  // The preloaded road. Loading replaces what an earlier load left; true
  // when loaded.
  bool Preload(const std::string& path);
  // Frees the preloaded lines, records and variables, and the file images.
  void ReleasePreloaded();
  // The file images only.
  void ReleasePreloadedImages() { preloadedImages_.clear(); }
  // Loads the file at `path` into `context` through the preloaded images: a
  // path loaded before is not read again until the images are released.
  bool LoadPreloadedLines(const std::string& path, SearchContext& context);
  // Runs the loaded lines for one RC text, on the preloaded context or on
  // `given`; `path` only gives the directory of companion files.
  LookupResult RunPreloaded(std::string_view rcText, const std::string& path, ScriptOutput* output,
                            std::string* comment, RunMode mode, SearchContext* given = nullptr);
  // The RC's name into info.rcName; nothing else of `info` is written.
  LookupResult NamePreloaded(std::string_view rcText, const std::string& path, RcInfo& info);

  SearchContext& perCallContext() { return perCall_; }
  SearchContext& preloadedContext() { return preloaded_; }

 private:
  struct PreloadedImage {
    std::string path;
    std::string image;
  };
  const std::string* PreloadedImageOf(const std::string& path);
  std::string& TablePathInLookup(std::string& path);

  std::unique_ptr<FileSource> ownFiles_;
  FileSource& files_;
  std::ostream* diagnostics_;
  std::ostream* problems_ = nullptr;
  ScriptSources sources_;
  ExpressionMemory expressions_;
  SearchContext perCall_;
  SearchContext preloaded_;
  // The whole images of the files preloaded, in order of loading.
  std::vector<PreloadedImage> preloadedImages_;
  TablePathMemory tablePath_;
};

// The dictionary of the process, on the disk, its diagnostics on standard
// output until told otherwise.
Dictionary& ProcessDictionary();

// Loads a dictionary into the preloaded context of `dictionary` for as long
// as it lives, and releases it at the end.
class PreloadedDictionary {
 public:
  PreloadedDictionary(Dictionary& dictionary, const std::string& path)
      : dictionary_(dictionary), loaded_(dictionary.Preload(path)) {}
  ~PreloadedDictionary() { dictionary_.ReleasePreloaded(); }
  PreloadedDictionary(const PreloadedDictionary&) = delete;
  PreloadedDictionary& operator=(const PreloadedDictionary&) = delete;

  bool loaded() const { return loaded_; }
  LookupResult Name(std::string_view rcText, const std::string& path, RcInfo& info) {
    return dictionary_.NamePreloaded(rcText, path, info);
  }

 private:
  Dictionary& dictionary_;
  bool loaded_;
};

}  // namespace rcv
