#include "dict/preloaded_dictionary.h"

#include "dict/dictionary.h"
#include "dict/interp/script_run.h"
#include "dict/interp/statement.h"
#include "dict/rc_lookup.h"
#include "dict/source/script_path.h"

namespace rcv {

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

int RunPreloadedLines(std::string_view rcText, const std::string& path, ScriptOutput* output, std::string* comment,
                      RunMode mode, SearchContext& context) {
  context.records.Init();
  const std::string scriptDir = ScriptDirOf(path);
  StatementCall call{context, rcText, path, scriptDir, mode, output, 0, kRunResultNone};
  const int result = RunStatementLoop(call, ExecRule::kEndsTheRun);
  // Before the first load nothing is collected; after a release the empty
  // record table is.
  if (context.runDepth != 1) {
    if (context.runDepth > 1) --context.runDepth;
    context.records.Free();
    return result;
  }
  return CollectRunOutputs(output, comment, mode, result, context);
}

int PreloadRcDictionary() {
  std::string path;
  GetRcTablePath(path);
  return PreloadDictionaryFile(path);
}

int PreloadDictionaryFile(const std::string& path) { return ProcessDictionary().Preload(path) ? 1 : 0; }

int GetRcNamePreloaded(std::span<const std::uint8_t, kRcKeySize> rc, RcInfo& info) {
  std::string path;
  GetRcTablePath(path);
  return GetRcNamePreloaded(FormatRcKey(rc), path, info);
}

int GetRcNamePreloaded(std::string_view rcText, const std::string& path, RcInfo& info) {
  return ProcessDictionary().NamePreloaded(rcText, path, info).code();
}

void ReleaseRcDictionary() { ProcessDictionary().ReleasePreloaded(); }

}  // namespace rcv
