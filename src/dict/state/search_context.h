// The working block of one dictionary run: the script's lines, how deep the
// EXEC chain has gone, and the placeholder records and $ variables that the
// statements fill; and, lent by the dictionary that owns the context, what
// outlives a run: the files with their caches, the expression cache and
// where diagnostics go.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "dict/source/line_store.h"
#include "dict/state/record_table.h"
#include "dict/state/variable_table.h"

namespace rcv {

class ScriptSources;
struct ExpressionMemory;

struct SearchContext {
  LineStore lines;
  int runDepth = 0;  // 0 before a top-level run, 1 inside it, +1 per EXEC
  RecordTable records;
  VariableTable variables;
  // A context of no dictionary reads no files, keeps no expressions and
  // writes its diagnostics to standard output.
  ScriptSources* sources = nullptr;
  ExpressionMemory* expressions = nullptr;
  std::ostream* diagnostics = nullptr;
  std::ostream* problems = nullptr;  // see ReportProblem (diagnostics.h)
};

// Returns the LineErrorFlags of the context and clears them.
inline unsigned TakeLineErrors(SearchContext& context) { return context.lines.TakeErrors(); }

inline const std::string& GetLineField(std::size_t field, std::size_t line, SearchContext& context) {
  return context.lines.GetLineField(field, line);
}

// Field n of line `line` as a view, valid until the next field is read.
inline std::string_view LineFieldView(std::size_t field, std::size_t line, SearchContext& context) {
  return context.lines.FieldView(field, line);
}

inline std::size_t LineCount(const SearchContext& context) { return context.lines.LineCount(); }

}  // namespace rcv
