#include "dict/interp/run_collectors.h"

#include <string_view>

#include "dict/expr/placeholder.h"
#include "dict/source/companion_text.h"
#include "dict/state/record_table.h"
#include "dict/state/search_context.h"

namespace rcv {
namespace {

std::string Value(std::string_view name, int n, SearchContext& context, std::size_t limit) {
  return CutCopy(GetPlaceholder(name, n, context), limit);
}

}  // namespace

int CollectFruRows(ScriptOutput& output, SearchContext& context) {
  output.rows.clear();
  output.rcName = Value("%RC-NAME", 1, context, kScriptRcNameMax);
  if (output.rcName.empty()) output.rcName = Value("%RC-NAME2", 1, context, kScriptRcNameMax);
  // The flags still hold every failed read of the whole run.
  if (context.records.TakeErrors() != 0) {
    output.rcName.clear();
    GetPlaceholder("%UNIT", 1, context);
    if (context.records.TakeErrors() != 0) return kRcHasNoEntry;
  }
  for (int n = 1; output.rows.size() < kScriptOutputRows; ++n) {
    FruRow row;
    row.unitMnemonic = Value("%UNIT", n, context, kScriptUnitMnemonicMax);
    // also reports a failed %FRU, %ACT or %WEIGHT read of the row before
    if (context.records.TakeErrors() != 0 || row.unitMnemonic.empty()) break;
    row.fruMnemonic = Value("%FRU", n, context, kScriptFruMnemonicMax);
    row.actionCode = Value("%ACT", n, context, kScriptActionCodeMax);
    row.weight = Value("%WEIGHT", n, context, kScriptWeightMax);
    output.rows.push_back(std::move(row));
  }
  return static_cast<int>(output.rows.size());
}

int CollectComment(std::string& comment, SearchContext& context) {
  comment.clear();
  context.records.TakeErrors();
  const std::string name2 = Value("%RC-NAME2", 1, context, kCommentPieceMax);
  if (context.records.TakeErrors() == 0) comment.append(name2).push_back('\n');
  const int position = context.records.Find("%MSG");
  if (position < 0) return 0;
  // The values are read in one pass over the record: a comment file of many
  // thousand lines must not cost a scan from the record's start per line.
  // The text is copied, since expanding a value may add records.
  const std::string record = context.records.TextAt(position);
  RecordFieldScanner scanner(record);
  int messages = 0;
  for (std::uint32_t missing = 0;;) {
    const std::size_t start = scanner.Advance(missing);
    if (start == std::string::npos) break;
    const std::string line = ExpandPlaceholderValue(ParseRecordFieldAt(record, start), context);
    if (context.records.TakeErrors() != 0) break;
    comment.append(CutCopy(line, kCommentPieceMax)).push_back('\n');
    ++messages;
  }
  return messages;
}

}  // namespace rcv
