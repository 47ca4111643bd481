#include "dict/interp/script_run.h"

#include <algorithm>

#include "dict/interp/control_statements.h"
#include "dict/interp/run_collectors.h"
#include "dict/interp/statement.h"
#include "dict/source/script_file.h"
#include "dict/source/script_path.h"
#include "dict/state/record_table.h"
#include "dict/state/variable_table.h"

namespace rcv {
namespace {

void ReleaseRunStores(SearchContext& context) {
  context.lines.Free();
  context.records.Free();
  FreeVariables(context);
}

}  // namespace

int RunStatementLoop(StatementCall& call, ExecRule exec) {
  SearchContext& context = call.context;
  for (call.lineIndex = 0; call.lineIndex < LineCount(context); ++call.lineIndex) {
    TakeLineErrors(context);
    const std::string_view keyword = LineFieldView(0, call.lineIndex, context).substr(0, kKeywordMax);
    if (TakeLineErrors(context) != 0) break;
    const StatementRow* row = FindStatementRow(ClassifyKeyword(keyword));
    if (row == nullptr || (call.mode & row->requiredMode) != row->requiredMode) break;
    if (row->code == kExecStatement && exec == ExecRule::kEndsTheRun) break;
    const std::size_t before = call.lineIndex;
    if (row->handler(call) == StatementFlow::kEndRun) break;
    // The loop only moves forward, so every script ends.
    call.lineIndex = std::max(call.lineIndex, before);
    if (call.lineIndex >= LineCount(context)) break;
  }
  return call.runResult;
}

int CollectRunOutputs(ScriptOutput* output, std::string* comment, RunMode mode, int result, SearchContext& context) {
  if (HasMode(mode, RunFru)) {
    ScriptOutput scratch;
    result = CollectFruRows(output ? *output : scratch, context);
  }
  if (HasMode(mode, RunComment) && comment) CollectComment(*comment, context);
  context.records.Free();
  return result;
}

int RunTopLevelScript(std::string_view rcText, const std::string& path, ScriptOutput* output, std::string* comment,
                      RunMode mode, SearchContext& context) {
  context.runDepth = 0;
  context.records.Init();
  ClearVariables(context);
  return RunScript(rcText, path, output, comment, mode, context);
}

int RunScript(std::string_view rcText, const std::string& path, ScriptOutput* output, std::string* comment,
              RunMode mode, SearchContext& context) {
  const int entryDepth = context.runDepth;
  if (entryDepth >= kRunDepthLimit || LoadScriptLines(path, context.lines, context.sources) != 0) {
    ReleaseRunStores(context);
    return kRunScriptOpenFailed;
  }
  context.runDepth = entryDepth + 1;
  const std::string scriptDir = ScriptDirOf(path);
  StatementCall call{context, rcText, path, scriptDir, mode, output, 0, kRunResultNone};
  const int result = RunStatementLoop(call, ExecRule::kHandsOver);
  context.lines.Free();
  context.runDepth = entryDepth;
  // Only the outermost run collects, and not after a chain that broke off.
  if (entryDepth != 0 || result == kRunScriptOpenFailed) return result;
  const int collected = CollectRunOutputs(output, comment, mode, result, context);
  FreeVariables(context);
  return collected;
}

}  // namespace rcv
