// Running a dictionary script for one RC text: load it, carry out its lines
// from the top, and at the end of the outermost run collect the outputs.
#pragma once

#include <string>
#include <string_view>

#include "dict/interp/statement.h"
#include "dict/state/run_mode.h"
#include "dict/state/script_output.h"
#include "dict/state/search_context.h"

namespace rcv {

inline constexpr int kRunScriptOpenFailed = -2;

// Runs the script on the context as it is; EXEC passes the running context
// on, and only the outermost run (depth 0 on entry) collects. With RunFru
// the result is the number of FRU rows (0 to 63) or -3 when the RC has no
// entry; -2 when this script, or one reached by EXEC, can't be opened;
// otherwise -99. `output` and `comment` may be null; the comment is only
// built with RunComment.
int RunScript(std::string_view rcText, const std::string& path, ScriptOutput* output, std::string* comment,
              RunMode mode, SearchContext& context);
// A top-level run: the context's depth, records and variables are reset
// first.
int RunTopLevelScript(std::string_view rcText, const std::string& path, ScriptOutput* output, std::string* comment,
                      RunMode mode, SearchContext& context);

// What the statement loop does at EXEC: hand over to the script it names,
// or end the run (the preloaded dictionary has no other script to load).
enum class ExecRule { kHandsOver, kEndsTheRun };

// Carries out the context's lines from the top until a statement ends the
// run or the lines run out; returns the run's result.
int RunStatementLoop(StatementCall& call, ExecRule exec);

// The end of an outermost run: with RunFru the FRU rows become the result,
// with RunComment the comment is built; then the records are freed.
int CollectRunOutputs(ScriptOutput* output, std::string* comment, RunMode mode, int result, SearchContext& context);

}  // namespace rcv
