// One statement of a dictionary script as the statement loop hands it to its
// handler, and the keyword table that maps a line's first field to the
// handler. Handlers read their arguments with GetLineField(n, call.lineIndex,
// call.context) and tell the loop whether the run goes on.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "dict/state/run_mode.h"
#include "dict/state/script_output.h"
#include "dict/state/search_context.h"

namespace rcv {

// The keyword is read from field 0 with at most this many characters.
inline constexpr std::size_t kKeywordMax = 19;

// The result a run starts with; it stays so unless EXEC or the collectors
// replace it.
inline constexpr int kRunResultNone = -99;

struct StatementCall {
  SearchContext& context;
  std::string_view rcText;      // 16 upper-case hexadecimal digits
  std::string_view scriptPath;  // the running script
  std::string_view scriptDir;   // its directory, up to and including the last '/'
  RunMode mode;
  ScriptOutput* output;  // may be null
  // The line being run. A handler that consumes a block leaves it on the
  // block's last line; the loop then goes on with the line after it.
  std::size_t lineIndex;
  // The run's result; EXEC puts the nested run's result here.
  int runResult = kRunResultNone;
};

enum class StatementFlow {
  kNextLine,  // go on with the line after call.lineIndex
  kEndRun,    // leave the statement loop at once
};

using StatementHandler = StatementFlow (*)(StatementCall& call);

enum StatementCode : int {
  kUnknownStatement = 0,
  kRcCodeStatement = 1,
  kIfdefStatement = 2,
  kExecStatement = 3,
  kExitStatement = 4,
  kCommentStatement = 5,
  kDefineStatement = 6,
  kFileStatement = 7,
  kRemStatement = 8,
  kCmtFileStatement = 9,
  kSetStatement = 10,
  kGetRcMsgStatement = 11,
  kElseStatement = 12,
  kFullDumpStatement = 13,
  kEndIfdefStatement = 14,
  kDspCmtStatement = 15,
  kSetLangStatement = 16,
};

struct StatementRow {
  std::string_view keyword;
  StatementCode code;
  StatementHandler handler;
  // A run that lacks these mode bits ends at the statement instead of
  // carrying it out (CMTFILE outside a comment run).
  RunMode requiredMode;
};

inline constexpr std::size_t kStatementCount = 16;

// The sixteen keywords, compared exactly and case-sensitively.
const std::array<StatementRow, kStatementCount>& StatementTable();

// Drops a trailing control byte or byte of 0x80 and above, then finds the
// keyword; an empty keyword is a REM, any other text kUnknownStatement.
StatementCode ClassifyKeyword(std::string_view keyword);

// The row of a code, or nullptr for kUnknownStatement.
const StatementRow* FindStatementRow(StatementCode code);

}  // namespace rcv
