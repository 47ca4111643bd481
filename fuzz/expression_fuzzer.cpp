// Feeds arbitrary bytes to the expression evaluator, and to brace expansion
// as a text, over stores that hold captured digits and placeholder records
// (two of them refer to themselves, one in several branches).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dict/expr/brace_expansion.h"
#include "dict/expr/expression.h"
#include "dict/state/record_table.h"
#include "dict/state/search_context.h"
#include "dict/state/variable_table.h"

namespace {

void FillStores(rcv::SearchContext& context) {
  context.records.Init();
  rcv::ClearVariables(context);
  const std::string_view captured = "4701A5F0123456789";
  for (char name = 'G'; name <= 'Z'; ++name) {
    rcv::SetVariable(std::string(1, name), captured.substr(static_cast<std::size_t>(name - 'G') % captured.size(), 1),
                     context);
  }
  rcv::SetVariable("_0", "1", context);
  rcv::SetVariable("a1", "FFFFFFFFF", context);
  rcv::SetVariable("", "7", context);
  context.records.DefineValue("%UNIT", "CPU0");
  context.records.DefineValue("%UNIT", "1F");
  context.records.DefineValue("%N", "{GH+1}");
  context.records.DefineValue("%LOOP", "{%LOOP}{%LOOP=1}{GH}");
  context.records.DefineValue("%Q", "a\"b\\");
  context.records.DefineValue("%B", "{1=%B}{2+%B}{%B}{GH(0-3)=%B}");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  rcv::SearchContext context;
  FillStores(context);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  rcv::EvalExpression(text, context);
  std::string braces(text);
  rcv::ExpandBraces(braces, context);
  context.records.Free();
  rcv::FreeVariables(context);
  return 0;
}
