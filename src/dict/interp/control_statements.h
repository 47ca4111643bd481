// The statements that steer a run: RC-CODE, IFDEF, ELSE, \IFDEF, EXEC, EXIT,
// REM and FULLDUMP.
#pragma once

#include <cstddef>

#include "dict/interp/statement.h"

namespace rcv {

// A false IFDEF's skip reads this many characters of each keyword.
inline constexpr std::size_t kSkipKeywordMax = 9;
// An EXEC file name holds at most this many characters.
inline constexpr std::size_t kExecNameMax = 89;
// Runs one EXEC chain may stack up, the outermost included; a chain that
// goes deeper (a script that reaches itself) fails like a script that
// can't be opened.
inline constexpr int kRunDepthLimit = 32;

// RC-CODE,pattern: a mismatch ends the run.
StatementFlow cmdRcCode(StatementCall& call);
// IFDEF,condition: a condition other than 1 skips to the line after the
// matching ELSE or \IFDEF.
StatementFlow cmdIfdef(StatementCall& call);
// ELSE met after a true branch: skip to the line after the next \IFDEF.
StatementFlow cmdElse(StatementCall& call);
// EXEC,file or EXEC,condition,file: hand the run over to another script.
StatementFlow cmdExec(StatementCall& call);
// EXIT: the run ends.
StatementFlow cmdExit(StatementCall& call);
// REM, an empty keyword and \IFDEF: nothing happens.
StatementFlow cmdRem(StatementCall& call);
// FULLDUMP: the record table listing on standard output.
StatementFlow cmdFullDump(StatementCall& call);

// Runs the script `name` of the running script's directory in the same
// context with RunFru only; its result becomes the running script's result.
int ExecScript(StatementCall& call, std::string_view name);

}  // namespace rcv
