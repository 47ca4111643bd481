#include "dict/interp/record_statements.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "dict/expr/brace_expansion.h"
#include "dict/expr/expression.h"
#include "dict/interp/statement_fields.h"
#include "dict/interp/statement_plans.h"
#include "dict/source/companion_text.h"
#include "dict/state/diagnostics.h"
#include "dict/state/record_table.h"
#include "dict/state/variable_table.h"

namespace rcv {

namespace {

// The value cut so that the new record text fits its buffer with its
// closing quote: a record cut inside its last value would swallow every
// value appended after it.
std::string_view FittingValue(std::string_view name, std::string_view value) {
  std::size_t used = NewRecordText(name, "").size();
  std::size_t keep = 0;
  for (; keep < value.size(); ++keep) {
    const std::size_t width = value[keep] == '"' ? 2 : 1;  // a quote is written escaped
    if (used + width > kNewRecordTextMax) break;
    used += width;
  }
  return value.substr(0, keep);
}

void AddNewRecord(std::string_view name, std::string_view value, SearchContext& context) {
  context.records.Add(NewRecordText(name, FittingValue(name, value)));
}

void PrintUnexpectedSetName(std::string_view name, const SearchContext& context) {
  DiagnosticsOf(context) << "Ra_search cmdSet() Unexpected string [" << name << "]\n";
}

// A row that carries on the row matched before it: "*" once the first
// characters of its condition are trimmed.
bool IsContinuationCondition(std::string_view view) {
  std::string condition(view.substr(0, kContinuationConditionMax));
  TrimSpaces(condition);
  return condition == "*";
}

// The index of the first \DEFINE line from `from` on, or the index past
// the block limit when there is none.
std::size_t ScanDefineEnd(SearchContext& context, std::size_t from) {
  for (std::size_t index = from; index < BlockLineEnd(context); ++index) {
    if (LineFieldView(0, index, context).substr(0, kDefineTextMax).starts_with(kDefineEndKeyword)) {
      return index;
    }
  }
  return kBlockLineLimit + 1;
}

// The same for a block whose first rows, up to `from`, hold no \DEFINE
// line, as the rows that a table passes over never do.
std::size_t FindDefineEnd(SearchContext& context, std::size_t header, std::size_t from) {
  const std::size_t end =
      RememberedLine(context, kDefineEndPlan, header, [&] { return ScanDefineEnd(context, header + 1); });
  return from <= end ? end : ScanDefineEnd(context, from);
}

// The keyword of a line of a DEFINE block, and its condition when it is a
// REC row.
std::string_view DefineKeyword(SearchContext& context, std::size_t index) {
  return LineFieldView(0, index, context).substr(0, kDefineTextMax);
}
std::string_view DefineCondition(SearchContext& context, std::size_t index) {
  return LineFieldView(1, index, context).substr(0, kDefineTextMax);
}
bool IsStarred(std::string_view condition) { return condition.find('*') != std::string_view::npos; }

// The rows a table tries before one has matched: every REC row without
// "*", up to the line that ends that search (\DEFINE, a foreign line or
// the block's end).
std::shared_ptr<const IndexedRun> CompileDefineRows(SearchContext& context, std::size_t header) {
  auto rows = std::make_shared<IndexedRun>();
  std::size_t index = header + 1;
  for (; index < BlockLineEnd(context); ++index) {
    const std::string_view keyword = DefineKeyword(context, index);
    if (keyword.starts_with(kDefineEndKeyword) || (!keyword.empty() && keyword != kDefineRowKeyword)) break;
    if (keyword.empty()) continue;
    const std::string_view condition = DefineCondition(context, index);
    if (!IsStarred(condition)) rows->conditions.Add(index, condition);
  }
  rows->end = index;
  return rows;
}

// Column c of a matching row goes to the record named in column c of the
// header, for as many columns as the row has.
void SpreadRowValues(SearchContext& context, std::size_t header, std::size_t row) {
  for (std::size_t column = 2; column <= kDefineColumnLimit; ++column) {
    const std::optional<std::string> value = ExistingLineField(context, column, row, kDefineTextMax);
    if (!value) return;
    const std::string name = CutCopy(RawLineField(context, column, header), kDefineTextMax);
    context.records.DefineValue(name, *value);
  }
}

}  // namespace

std::size_t BlockLineEnd(const SearchContext& context) { return std::min(LineCount(context), kBlockLineLimit + 1); }

void SetNamedValue(std::string_view name, std::string value, SearchContext& context) {
  ExpandBraces(value, context);
  if (name.starts_with('$')) {
    SetVariable(name.substr(1), value, context);
  } else if (name.starts_with('%')) {
    if (context.records.Find(name) < 0) {
      AddNewRecord(name, value, context);
    } else {
      context.records.ReplaceValue(value);
    }
  } else {
    PrintUnexpectedSetName(name, context);
  }
}

// COMMENT,record,value
StatementFlow cmdComment(StatementCall& call) {
  const std::string name = StatementField(call, 1);
  std::string value = StatementField(call, 2);
  ExpandBraces(value, call.context);
  if (call.context.records.Find(name) < 0) {
    AddNewRecord(name, value, call.context);
  } else {
    call.context.records.AppendValue(value);
  }
  return StatementFlow::kNextLine;
}

// SET,name,value
StatementFlow cmdSet(StatementCall& call) {
  SetNamedValue(StatementField(call, 1), StatementField(call, 2), call.context);
  return StatementFlow::kNextLine;
}

// DEFINE,_,rec2,rec3...  then  REC,condition,v2,v3...  up to  \DEFINE
StatementFlow cmdDefine(StatementCall& call) {
  SearchContext& context = call.context;
  const std::size_t header = call.lineIndex;
  bool matched = false;
  std::size_t index = header + 1;
  const std::shared_ptr<const IndexedRun> rows =
      RememberedRun(context, kDefineRowsPlan, header, [&](ScriptPlans&) { return CompileDefineRows(context, header); });
  // Tables run to thousands of rows and every lookup walks them: keywords and
  // conditions are looked at in place, and until a row has matched, rows
  // known not to match are passed over.
  for (; index < BlockLineEnd(context); ++index) {
    if (!matched && rows) {
      index = std::min(rows->conditions.FirstCandidate(index, context), rows->end);
      if (index >= BlockLineEnd(context)) break;
    }
    const std::string_view keyword = DefineKeyword(context, index);
    if (keyword.starts_with(kDefineEndKeyword)) break;
    if (keyword.empty()) continue;
    if (keyword != kDefineRowKeyword) {
      // A foreign line breaks the block: it is consumed and $_N stays.
      call.lineIndex = index;
      return StatementFlow::kNextLine;
    }
    const std::string_view condition = DefineCondition(context, index);
    const bool starred = IsStarred(condition);
    if (!matched) {
      if (starred || EvalExpression(condition, context) == 0) continue;
    } else if (!starred) {
      // The next plain row ends the table; its condition is still evaluated.
      EvalExpression(condition, context);
      index = FindDefineEnd(context, header, index + 1);
      break;
    } else if (!IsContinuationCondition(condition)) {
      continue;
    }
    matched = true;
    SpreadRowValues(context, header, index);
  }
  call.lineIndex = index < BlockLineEnd(context) ? index : kBlockLineLimit + 1;
  SetNamedValue(kNothingFoundVariable, matched ? "0" : "1", context);
  return StatementFlow::kNextLine;
}

// SETLANG,$name
StatementFlow cmdSetLang(StatementCall& call) {
  char language = '2';
  if (HasMode(call.mode, RunLangJp)) language = '1';
  if (HasMode(call.mode, RunLangUs)) language = '2';
  const std::string target = StatementField(call, 1);
  if (target.starts_with('$')) {
    SetVariable(std::string_view(target).substr(1), std::string_view(&language, 1), call.context);
  }
  return StatementFlow::kNextLine;
}

}  // namespace rcv
