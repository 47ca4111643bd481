#include "dict/interp/control_statements.h"

#include <string>

#include "dict/expr/expression.h"
#include "dict/interp/rc_code_match.h"
#include "dict/interp/script_run.h"
#include "dict/source/script_path.h"
#include "dict/state/record_dump.h"

namespace rcv {
namespace {

std::string Field(StatementCall& call, std::size_t n) { return GetLineField(n, call.lineIndex, call.context); }

// A view of the keyword, valid until the next field is read: skipping a
// branch reads the keyword of every line it passes.
std::string_view Keyword(StatementCall& call, std::size_t index, std::size_t width) {
  return LineFieldView(0, index, call.context).substr(0, width);
}

bool IsTrue(std::string_view condition, SearchContext& context) { return EvalExpression(condition, context) == 1; }

// From a false IFDEF: the line on which its block's ELSE or \IFDEF stands,
// nested IFDEFs counted; an ELSE of a nested block also closes a level.
std::size_t EndOfFalseBranch(StatementCall& call) {
  const std::size_t lineCount = LineCount(call.context);
  std::size_t index = call.lineIndex;
  int level = 0;
  while (++index < lineCount) {
    const std::string_view keyword = Keyword(call, index, kSkipKeywordMax);
    if (keyword == "IFDEF") {
      ++level;
    } else if (keyword.starts_with("\\IFDEF") || keyword.starts_with("ELSE")) {
      --level;
    }
    if (level < 0) break;
  }
  return index;
}

}  // namespace

// RC-CODE,pattern
StatementFlow cmdRcCode(StatementCall& call) {
  const std::string pattern = Field(call, 1);
  return MatchRcCode(call.rcText, pattern, call.context) == 0 ? StatementFlow::kNextLine : StatementFlow::kEndRun;
}

// IFDEF,condition ... [ELSE ...] \IFDEF
StatementFlow cmdIfdef(StatementCall& call) {
  if (!IsTrue(LineFieldView(1, call.lineIndex, call.context), call.context)) call.lineIndex = EndOfFalseBranch(call);
  return StatementFlow::kNextLine;
}

// ELSE ... \IFDEF, reached from a true branch; nesting is not counted here
StatementFlow cmdElse(StatementCall& call) {
  const std::size_t lineCount = LineCount(call.context);
  while (++call.lineIndex < lineCount && Keyword(call, call.lineIndex, kKeywordMax) != "\\IFDEF") {
  }
  return StatementFlow::kNextLine;
}

// EXEC,file  or  EXEC,condition,file
StatementFlow cmdExec(StatementCall& call) {
  const std::string conditionalName = Field(call, 2).substr(0, kExecNameMax);
  if (conditionalName.empty()) {
    call.runResult = ExecScript(call, Field(call, 1).substr(0, kExecNameMax));
    return StatementFlow::kEndRun;
  }
  if (!IsTrue(Field(call, 1), call.context)) return StatementFlow::kNextLine;
  call.runResult = ExecScript(call, conditionalName);
  return StatementFlow::kEndRun;
}

// EXIT
StatementFlow cmdExit(StatementCall&) { return StatementFlow::kEndRun; }

// REM,...  or  ,...  or  \IFDEF
StatementFlow cmdRem(StatementCall&) { return StatementFlow::kNextLine; }

// FULLDUMP
StatementFlow cmdFullDump(StatementCall& call) {
  DumpRecordTable(call.context);
  return StatementFlow::kNextLine;
}

int ExecScript(StatementCall& call, std::string_view name) {
  // EXEC is a transfer: the calling script's lines are not needed again.
  call.context.lines.Free();
  const std::string path = ResolveFoldedPath(call.context.sources, call.scriptDir, name);
  return RunScript(call.rcText, path, call.output, nullptr, RunFru, call.context);
}

}  // namespace rcv
