#include "dict/interp/file_statements.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dict/expr/brace_expansion.h"
#include "dict/expr/expression.h"
#include "dict/interp/record_statements.h"
#include "dict/interp/statement_fields.h"
#include "dict/interp/table_file.h"
#include "dict/source/companion_text.h"
#include "dict/source/csv_fields.h"
#include "dict/source/file_section.h"
#include "dict/source/message_arguments.h"
#include "dict/source/script_path.h"
#include "dict/source/text_line_reader.h"
#include "dict/state/diagnostics.h"
#include "dict/state/record_table.h"
#include "shell/roots.h"

namespace rcv {

namespace {

inline constexpr std::string_view kCmtFileEndKeyword = "\\CMTFILE";
inline constexpr std::string_view kCmtFileRowKeyword = "REC";

// The text with its brace terms expanded, kept within `limit` characters.
std::string Expanded(std::string text, SearchContext& context, std::size_t limit) {
  CutToLimit(text, limit);
  ExpandBraces(text, context);
  CutToLimit(text, limit);
  return text;
}

// GETRCMSG and DSPCMT replace the values of their record, except for the
// comment record, which gathers every message of the run.
void ClearUnlessMessageRecord(std::string_view name, SearchContext& context) {
  if (name != kMessageRecord) context.records.Delete(name);
}

}  // namespace

namespace {

std::string FoldedFilePath(const std::function<std::string(std::string_view)>& resolve, std::string_view scriptDir,
                           std::string_view name, std::size_t limit) {
  const std::size_t dirLength = scriptDir.size() - RootPrefixLength(scriptDir);
  const std::size_t room = limit - std::min(dirLength, limit);
  std::string path = resolve(name.substr(0, room));
  CutPathToLimit(path, limit);
  return path;
}

}  // namespace

std::string FoldedFilePath(ScriptSources* sources, std::string_view scriptDir, std::string_view name,
                           std::size_t limit) {
  const auto resolve = [&](std::string_view cut) { return ResolveFoldedPath(sources, scriptDir, cut); };
  return FoldedFilePath(resolve, scriptDir, name, limit);
}

std::string FoldedFilePath(std::string_view scriptDir, std::string_view name, std::size_t limit) {
  const auto resolve = [&](std::string_view cut) { return ResolveFoldedPath(scriptDir, cut); };
  return FoldedFilePath(resolve, scriptDir, name, limit);
}

std::string TableFilePath(std::string_view scriptDir, std::string_view name) {
  std::string path = std::string(scriptDir).append(name);
  CutPathToLimit(path, kFilePathMax);
  return path;
}

std::string CommentFilePath(std::string_view scriptDir, std::string_view name) {
  std::string fileName(name.substr(0, kCmtFileNameMax));
  FoldPath(fileName);
  return std::string(scriptDir) + fileName;
}

// FILE,table,key,rec1,rec2...
StatementFlow cmdFile(StatementCall& call) {
  SearchContext& context = call.context;
  const std::string path = TableFilePath(call.scriptDir, StatementField(call, 1));
  std::string key = StatementField(call, 2, kFileKeyMax);
  TextLineReader table(context.sources, path);
  if (!table.IsOpen()) {
    ReportProblem(context, "FILE can't open [" + path + "]");
    return StatementFlow::kNextLine;
  }
  ExpandFileKey(key, context);
  CutToLimit(key, kFileKeyMax);
  std::string row;
  if (!FindTableRow(table, key, row)) return StatementFlow::kNextLine;
  for (std::size_t field = 3; field <= kFileLastField; ++field) {
    const std::optional<std::string> name = ExistingLineField(context, field, call.lineIndex, kFileRecordNameMax);
    if (!name || name->empty()) break;
    if (*name == "-") continue;
    context.records.DefineValue(*name, CutCopy(CsvField(row, field - 2), kFileValueMax));
  }
  return StatementFlow::kNextLine;
}

// CMTFILE,file,record  then  REC,condition,section ...  up to  \CMTFILE
StatementFlow cmdCmtFile(StatementCall& call) {
  SearchContext& context = call.context;
  const std::string path = CommentFilePath(call.scriptDir, StatementField(call, 1));
  const std::string recordName = StatementField(call, 2, kCmtFileRecordNameMax);
  const std::size_t lineEnd = BlockLineEnd(context);
  bool matched = false;
  std::size_t index = call.lineIndex + 1;
  for (; index < lineEnd; ++index) {
    const std::string keyword = LineField(context, 0, index, kCmtFileRowTextMax);
    if (keyword == kCmtFileEndKeyword) break;
    if (matched || keyword != kCmtFileRowKeyword) continue;
    if (EvalExpression(LineField(context, 1, index, kCmtFileRowTextMax), context) == 0) continue;
    matched = true;
    const std::string marker = Expanded(CommentSectionMarker(LineField(context, 2, index)), context, kCmtFileMarkerMax);
    TextLineReader comments(context.sources, path);
    if (!comments.IsOpen()) {
      ReportProblem(context, "CMTFILE can't open [" + path + "]");
      // The run goes on with the block's next line as a statement.
      call.lineIndex = index;
      return StatementFlow::kNextLine;
    }
    if (SkipToSectionMarker(comments, marker)) {
      ReadSectionLines(comments, [&](const std::string& line) { context.records.DefineValue(recordName, line); });
    }
  }
  call.lineIndex = index < lineEnd ? index : kBlockLineLimit + 1;
  return StatementFlow::kNextLine;
}

// GETRCMSG,record,file,section,arg1...arg10
StatementFlow cmdGetRcMsg(StatementCall& call) {
  SearchContext& context = call.context;
  const std::string fileName = Expanded(StatementField(call, 2), context, kFieldBufferSize - 1);
  const std::string recordName = StatementField(call, 1, kGetRcMsgRecordNameMax);
  std::vector<std::string> arguments;
  for (std::size_t k = 1; k <= kMessageArgumentCount; ++k) {
    std::optional<std::string> argument = ExistingLineField(context, k + 3, call.lineIndex);
    if (!argument) break;
    arguments.push_back(Expanded(*std::move(argument), context, kGetRcMsgArgumentMax));
  }
  const std::string marker = Expanded(MessageSectionMarker(StatementField(call, 3)), context, kGetRcMsgMarkerMax);
  const std::string path = FoldedFilePath(context.sources, call.scriptDir, fileName, kGetRcMsgPathMax);

  TextLineReader messages(context.sources, path);
  if (!messages.IsOpen()) {
    DiagnosticsOf(context) << "Ra_serch:GetRcMsg() Can't open file [" << path << "]\n";
    return StatementFlow::kNextLine;
  }
  if (!SkipToSectionMarker(messages, marker)) {
    DiagnosticsOf(context) << "Ra_serch:GetRcMsg() Can't find [" << marker << "] in [" << path << "]\n";
    SetNamedValue(kNothingFoundVariable, "1", context);
    return StatementFlow::kNextLine;
  }
  ClearUnlessMessageRecord(recordName, context);
  const SectionEnd end = ReadSectionLines(messages, [&](std::string line) {
    FillArgMarkers(line, arguments);
    context.records.DefineValue(recordName, line);
  });
  if (end == SectionEnd::kEndOfFile) {
    DiagnosticsOf(context) << "Ra_serch:GetRcMsg() Unexpected EOF in [" << path << "]\n";
  }
  SetNamedValue(kNothingFoundVariable, "0", context);
  return StatementFlow::kNextLine;
}

// DSPCMT,record,file
StatementFlow cmdDspCmt(StatementCall& call) {
  SearchContext& context = call.context;
  const std::string fileName = Expanded(StatementField(call, 2), context, kFieldBufferSize - 1);
  const std::string recordName = StatementField(call, 1, kDspCmtRecordNameMax);
  const std::string path = FoldedFilePath(context.sources, call.scriptDir, fileName, kDspCmtPathMax);
  TextLineReader file(context.sources, path);
  if (!file.IsOpen()) {
    ReportProblem(context, "DSPCMT can't open [" + path + "]");
    return StatementFlow::kNextLine;
  }
  ClearUnlessMessageRecord(recordName, context);
  std::string line;
  while (file.ReadLine(line)) {
    DropTrailingNewline(line);
    context.records.DefineValue(recordName, line);
  }
  return StatementFlow::kNextLine;
}

}  // namespace rcv
