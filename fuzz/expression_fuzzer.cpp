// Feeds arbitrary bytes to the expression evaluator, and to brace expansion
// as a text, over stores that hold captured digits and placeholder records
// (two of them refer to themselves, one in several branches).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dict/brace_expansion.h"
#include "dict/expression.h"
#include "dict/record_table.h"
#include "dict/search_context.h"
#include "dict/variable_table.h"

namespace {

void FillStores(rcv::SearchContext& context) {
  rcv::InitRecordTable(context);
  rcv::ClearVariables(context);
  const std::string_view captured = "4701A5F0123456789";
  for (char name = 'G'; name <= 'Z'; ++name) {
    rcv::SetVariable(std::string(1, name), captured.substr(static_cast<std::size_t>(name - 'G') % captured.size(), 1),
                     context);
  }
  rcv::SetVariable("_0", "1", context);
  rcv::SetVariable("a1", "FFFFFFFFF", context);
  rcv::SetVariable("", "7", context);
  rcv::DefineValue("%UNIT", "CPU0", context);
  rcv::DefineValue("%UNIT", "1F", context);
  rcv::DefineValue("%N", "{GH+1}", context);
  rcv::DefineValue("%LOOP", "{%LOOP}{%LOOP=1}{GH}", context);
  rcv::DefineValue("%Q", "a\"b\\", context);
  rcv::DefineValue("%B", "{1=%B}{2+%B}{%B}{GH(0-3)=%B}", context);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  rcv::SearchContext context;
  FillStores(context);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  rcv::EvalExpression(text, context);
  std::string braces(text);
  rcv::ExpandBraces(braces, context);
  rcv::FreeRecordTable(context);
  rcv::FreeVariables(context);
  return 0;
}
