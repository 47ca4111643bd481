// For the statement tests: a context holding a script's lines, on which one
// statement at a time is carried out through the keyword table.
#pragma once

#include <cstddef>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "dict/dictionary.h"
#include "dict/record_table.h"
#include "dict/search_context.h"
#include "dict/statement.h"
#include "dict/variable_table.h"

namespace rcv {

class StatementTestContext {
 public:
  // Companion files are read from `files`, or there are none.
  explicit StatementTestContext(const std::vector<std::string>& lines, std::string scriptDir = "",
                                RunMode mode = kRcInfoRunMode, FileSource* files = nullptr)
      : dictionary_(files ? *files : noFiles_, diagnostics), scriptDir_(std::move(scriptDir)), mode_(mode) {
    dictionary_.Lend(context);
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
  std::ostringstream diagnostics;  // what the statements reported

 private:
  MemoryFiles noFiles_;
  Dictionary dictionary_;
  std::string scriptDir_;
  RunMode mode_;
};

}  // namespace rcv
