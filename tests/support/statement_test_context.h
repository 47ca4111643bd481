// For the statement tests: a context holding a script's lines, on which one
// statement at a time is carried out through the keyword table.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "dict/interp/statement.h"
#include "dict/state/record_table.h"
#include "dict/state/search_context.h"
#include "dict/state/variable_table.h"
#include "support/run_resources.h"

namespace rcv {

class StatementTestContext {
 public:
  // Companion files are read from the resources given, or there are none.
  explicit StatementTestContext(const std::vector<std::string>& lines, std::string scriptDir = "",
                                RunMode mode = kRcInfoRunMode, RunResources* resources = nullptr)
      : resources_(resources ? *resources : own_), scriptDir_(std::move(scriptDir)), mode_(mode) {
    resources_.Lend(context);
    context.records.Init();
    ClearVariables(context);
    for (const std::string& line : lines) context.lines.AppendLine(line);
  }
  ~StatementTestContext() {
    context.records.Free();
    FreeVariables(context);
  }

  // Carries out line `index`; returns the line index the statement left.
  std::size_t Run(std::size_t index) {
    StatementCall call{context, "4701000011223344", scriptDir_ + "rcdicttbl.csv", scriptDir_, mode_, nullptr, index};
    const std::string keyword = GetLineField(0, index, context).substr(0, kKeywordMax);
    const StatementRow* row = FindStatementRow(ClassifyKeyword(keyword));
    if (row != nullptr) row->handler(call);
    return call.lineIndex;
  }

  std::vector<std::string> Records() const { return context.records.Texts(); }
  std::optional<std::string> Variable(std::string_view name) const { return GetVariable(name, context); }

  SearchContext context;

 private:
  RunResources own_;
  RunResources& resources_;
  std::string scriptDir_;
  RunMode mode_;
};

}  // namespace rcv
