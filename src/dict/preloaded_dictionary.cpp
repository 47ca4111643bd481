#include "dict/preloaded_dictionary.h"

#include <vector>

#include "dict/rc_lookup.h"
#include "dict/record_table.h"
#include "dict/script_path.h"
#include "dict/script_run.h"
#include "dict/statement.h"
#include "dict/variable_table.h"
#include "shell/regular_file.h"

namespace rcv {
namespace {

// The whole images of the files loaded, in order of loading, by path.
struct FileCacheEntry {
  std::string path;
  std::string image;
};

std::vector<FileCacheEntry>& FileCache() {
  static std::vector<FileCacheEntry> cache;
  return cache;
}

const std::string* CachedImage(const std::string& path) {
  for (const FileCacheEntry& entry : FileCache()) {
    if (entry.path == path) return &entry.image;
  }
  return nullptr;
}

// Reads the file whole into a new cache entry; null when it can't be read.
const std::string* ReadIntoCache(const std::string& path) {
  std::string image;
  if (!ReadRegularFile(path, image)) return nullptr;
  FileCache().push_back({path, std::move(image)});
  return &FileCache().back().image;
}

void ResetPreloadedContext(SearchContext& context) {
  context.lines.Free();
  FreeRecordTable(context);
  FreeVariables(context);
  context.runDepth = 1;
}

}  // namespace

SearchContext& PreloadedSearchContext() {
  static SearchContext context;
  return context;
}

void SplitPreloadedLines(std::string_view image, LineStore& lines) {
  std::string line;
  for (const char c : image) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\n') {
      lines.AppendLine(line);
      line.clear();
    } else if (byte >= 0x20 && byte < 0x80 && line.size() < kPreloadedLineMax) {
      line.push_back(c);
    }
  }
}

int LoadPreloadedDictionary(const std::string& path, SearchContext& context) {
  const std::string* image = CachedImage(path);
  if (image == nullptr) image = ReadIntoCache(path);
  if (image == nullptr) return -1;
  context.lines.Free();
  SplitPreloadedLines(*image, context.lines);
  return 0;
}

int PreloadRcDictionary() {
  std::string path;
  GetRcTablePath(path);
  return PreloadDictionaryFile(path);
}

int PreloadDictionaryFile(const std::string& path) {
  SearchContext& context = PreloadedSearchContext();
  ResetPreloadedContext(context);
  if (LoadPreloadedDictionary(path, context) != 0) {
    ReleaseRcDictionary();
    return 0;
  }
  return 1;
}

int RunPreloadedScript(std::string_view rcText, const std::string& path, ScriptOutput* output, std::string* comment,
                       RunMode mode, SearchContext* given) {
  SearchContext& context = given ? *given : PreloadedSearchContext();
  InitRecordTable(context);
  const std::string scriptDir = ScriptDirOf(path);
  StatementCall call{context, rcText, path, scriptDir, mode, output, 0, kRunResultNone};
  const int result = RunStatementLoop(call, ExecRule::kEndsTheRun);
  // Before the first load nothing is collected; after a release the empty
  // record table is.
  if (context.runDepth != 1) {
    FreeRecordTable(context);
    return result;
  }
  return CollectRunOutputs(output, comment, mode, result, context);
}

int GetRcNamePreloaded(std::span<const std::uint8_t, kRcKeySize> rc, RcInfo& info) {
  std::string path;
  GetRcTablePath(path);
  return GetRcNamePreloaded(FormatRcKey(rc), path, info);
}

int GetRcNamePreloaded(std::string_view rcText, const std::string& path, RcInfo& info) {
  ScriptOutput output;
  const int result = RunPreloadedScript(rcText, path, &output, nullptr, RunFru, nullptr);
  if (result >= 0) info.rcName = output.rcName.substr(0, kRcNameMax);
  return result;
}

void ReleaseRcDictionary() {
  SearchContext& context = PreloadedSearchContext();
  context.lines.Free();
  FreeRecordTable(context);
  FreeVariables(context);
  ReleaseFileCache();
}

void ReleaseFileCache() { FileCache().clear(); }

}  // namespace rcv
