#include "dict/state/variable_table.h"

#include "dict/state/search_context.h"

namespace rcv {

void VariableTable::Set(std::string_view name, std::string_view value) {
  if (const auto found = values_.find(name); found != values_.end()) {
    found->second = value;
    return;
  }
  values_.emplace(std::string(name), std::string(value));
}

std::optional<std::string> VariableTable::Get(std::string_view name) const {
  const std::string* value = Find(name);
  if (value == nullptr) return std::nullopt;
  return *value;
}

const std::string* VariableTable::Find(std::string_view name) const {
  const auto found = values_.find(name);
  return found == values_.end() ? nullptr : &found->second;
}

void SetVariable(std::string_view name, std::string_view value, SearchContext& context) {
  context.variables.Set(name, value);
}

std::optional<std::string> GetVariable(std::string_view name, const SearchContext& context) {
  return context.variables.Get(name);
}

const std::string* FindVariable(std::string_view name, const SearchContext& context) {
  return context.variables.Find(name);
}

void ClearVariables(SearchContext& context) { context.variables.Clear(); }

void FreeVariables(SearchContext& context) { context.variables.Clear(); }

}  // namespace rcv
