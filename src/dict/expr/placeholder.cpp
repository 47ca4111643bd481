#include "dict/expr/placeholder.h"

#include "dict/expr/brace_expansion.h"
#include "dict/state/record_table.h"
#include "dict/state/search_context.h"

namespace rcv {

std::string GetPlaceholder(std::string_view name, int valueNumber, SearchContext& context) {
  const int position = context.records.Find(name);
  if (position < 0) {
    context.records.SetErrors(kNoSuchRecord);
    return std::string(name);
  }
  return ExpandPlaceholderValue(context.records.GetField(valueNumber, position), context);
}

std::string ExpandPlaceholderValue(std::string value, SearchContext& context) {
  ExpandBraces(value, context);
  if (value.size() > kRecordFieldMax) value.resize(kRecordFieldMax);
  return value;
}

}  // namespace rcv
