// Running a dictionary script for one RC text: load it, carry out its lines
// from the top, and at the end of the outermost run collect the outputs.
#pragma once

#include <string>
#include <string_view>

#include "dict/run_mode.h"
#include "dict/script_output.h"
#include "dict/search_context.h"

namespace rcv {

inline constexpr int kRunScriptOpenFailed = -2;

// Without a context the per-call context is reset and used (a top-level
// run); EXEC passes the running context on. With RunFru the result is the
// number of FRU rows (0 to 63) or -3 when the RC has no entry; -2 when this
// script, or one reached by EXEC, can't be opened; otherwise -99.
// `output` and `comment` may be null; the comment is only built with
// RunComment.
int RunScript(std::string_view rcText, const std::string& path, ScriptOutput* output,
              std::string* comment, RunMode mode, SearchContext* context);

}  // namespace rcv
