#include "dict/interp/control_statements.h"

#include <memory>
#include <string>
#include <vector>

#include "dict/expr/expression.h"
#include "dict/interp/rc_code_match.h"
#include "dict/interp/script_run.h"
#include "dict/interp/statement_plans.h"
#include "dict/source/script_path.h"
#include "dict/state/record_dump.h"

namespace rcv {
namespace {

std::string Field(StatementCall& call, std::size_t n) { return GetLineField(n, call.lineIndex, call.context); }

// A view of the keyword, valid until the next field is read: skipping a
// branch reads the keyword of every line it passes.
std::string_view Keyword(SearchContext& context, std::size_t index, std::size_t width) {
  return LineFieldView(0, index, context).substr(0, width);
}

bool IsTrue(std::string_view condition, SearchContext& context) { return EvalExpression(condition, context) == 1; }

// From a false IFDEF at `line`: the line on which its block's ELSE or
// \IFDEF stands, nested IFDEFs counted; an ELSE of a nested block also
// closes a level.
std::size_t ScanFalseBranch(SearchContext& context, std::size_t line) {
  const std::size_t lineCount = LineCount(context);
  std::size_t index = line;
  int level = 0;
  while (++index < lineCount) {
    const std::string_view keyword = Keyword(context, index, kSkipKeywordMax);
    if (keyword == "IFDEF") {
      ++level;
    } else if (keyword.starts_with("\\IFDEF") || keyword.starts_with("ELSE")) {
      --level;
    }
    if (level < 0) break;
  }
  return index;
}

std::size_t EndOfFalseBranch(SearchContext& context, std::size_t line) {
  return RememberedLine(context, kFalseBranchEndPlan, line, [&] { return ScanFalseBranch(context, line); });
}

// From an ELSE at `line`: the next line whose keyword is \IFDEF.
std::size_t ScanElseBranch(SearchContext& context, std::size_t line) {
  const std::size_t lineCount = LineCount(context);
  std::size_t index = line;
  while (++index < lineCount && Keyword(context, index, kKeywordMax) != "\\IFDEF") {
  }
  return index;
}

StatementCode CodeAt(SearchContext& context, std::size_t line) {
  return ClassifyKeyword(Keyword(context, line, kKeywordMax));
}

// Lines that do nothing when run: REM, an empty keyword, \IFDEF.
bool DoesNothing(StatementCode code) { return code == kRemStatement || code == kEndIfdefStatement; }

// The IFDEFs reached one from the other when each is false: the next one
// stands after the last one's skip, with only lines that do nothing
// between. The chain stops before an IFDEF that already heads one of its
// own, and goes on to it; a lone IFDEF is no chain.
std::shared_ptr<const IndexedRun> CompileIfdefChain(SearchContext& context, std::size_t first, ScriptPlans& plans) {
  auto chain = std::make_shared<IndexedRun>();
  std::vector<std::size_t> members;
  std::size_t line = first;
  for (;;) {
    chain->conditions.Add(line, LineFieldView(1, line, context));
    members.push_back(line);
    chain->end = EndOfFalseBranch(context, line);
    line = chain->end + 1;
    while (line < LineCount(context) && DoesNothing(CodeAt(context, line))) ++line;
    if (line >= LineCount(context) || CodeAt(context, line) != kIfdefStatement) break;
    if (plans.Has(kIfdefChainPlan, line)) {
      chain->end = line - 1;
      break;
    }
  }
  if (members.size() < 2) return nullptr;
  for (const std::size_t member : members) plans.KeepRun(kIfdefChainPlan, member, chain);
  return chain;
}

}  // namespace

// RC-CODE,pattern
StatementFlow cmdRcCode(StatementCall& call) {
  const std::string pattern = Field(call, 1);
  return MatchRcCode(call.rcText, pattern, call.context) == 0 ? StatementFlow::kNextLine : StatementFlow::kEndRun;
}

// IFDEF,condition ... [ELSE ...] \IFDEF
StatementFlow cmdIfdef(StatementCall& call) {
  SearchContext& context = call.context;
  const std::size_t line = call.lineIndex;
  const std::shared_ptr<const IndexedRun> chain = RememberedRun(
      context, kIfdefChainPlan, line, [&](ScriptPlans& plans) { return CompileIfdefChain(context, line, plans); });
  if (chain) {
    // IFDEFs of the chain known false are passed over: the run goes on at
    // the first that may hold, or after the last one's skip.
    const std::size_t next = chain->conditions.FirstCandidate(line, context);
    if (next == ConditionIndex::kNone) {
      call.lineIndex = chain->end;
      return StatementFlow::kNextLine;
    }
    if (next != line) {
      call.lineIndex = next - 1;
      return StatementFlow::kNextLine;
    }
  }
  if (!IsTrue(LineFieldView(1, line, context), context)) call.lineIndex = EndOfFalseBranch(context, line);
  return StatementFlow::kNextLine;
}

// ELSE ... \IFDEF, reached from a true branch; nesting is not counted here
StatementFlow cmdElse(StatementCall& call) {
  const std::size_t line = call.lineIndex;
  call.lineIndex = RememberedLine(call.context, kElseEndPlan, line, [&] { return ScanElseBranch(call.context, line); });
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
