#include "dict/interp/control_statements.h"
#include "dict/interp/file_statements.h"
#include "dict/interp/record_statements.h"
#include "dict/interp/statement.h"

namespace rcv {

const std::array<StatementRow, kStatementCount>& StatementTable() {
  static const std::array<StatementRow, kStatementCount> kTable = {{
      {"RC-CODE", kRcCodeStatement, &cmdRcCode, 0},
      {"IFDEF", kIfdefStatement, &cmdIfdef, 0},
      {"EXEC", kExecStatement, &cmdExec, 0},
      {"EXIT", kExitStatement, &cmdExit, 0},
      {"COMMENT", kCommentStatement, &cmdComment, 0},
      {"DEFINE", kDefineStatement, &cmdDefine, 0},
      {"FILE", kFileStatement, &cmdFile, 0},
      {"REM", kRemStatement, &cmdRem, 0},
      {"CMTFILE", kCmtFileStatement, &cmdCmtFile, RunComment},
      {"SET", kSetStatement, &cmdSet, 0},
      {"GETRCMSG", kGetRcMsgStatement, &cmdGetRcMsg, 0},
      {"ELSE", kElseStatement, &cmdElse, 0},
      {"FULLDUMP", kFullDumpStatement, &cmdFullDump, 0},
      {"\\IFDEF", kEndIfdefStatement, &cmdRem, 0},
      {"DSPCMT", kDspCmtStatement, &cmdDspCmt, 0},
      {"SETLANG", kSetLangStatement, &cmdSetLang, 0},
  }};
  return kTable;
}

StatementCode ClassifyKeyword(std::string_view keyword) {
  if (!keyword.empty()) {
    const auto last = static_cast<unsigned char>(keyword.back());
    if (last < 0x20 || last >= 0x80) keyword.remove_suffix(1);
  }
  if (keyword.empty()) return kRemStatement;
  for (const StatementRow& row : StatementTable()) {
    if (row.keyword == keyword) return row.code;
  }
  return kUnknownStatement;
}

const StatementRow* FindStatementRow(StatementCode code) {
  for (const StatementRow& row : StatementTable()) {
    if (row.code == code) return &row;
  }
  return nullptr;
}

}  // namespace rcv
