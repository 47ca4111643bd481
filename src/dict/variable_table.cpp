#include "dict/variable_table.h"

#include <cstdint>

#include "dict/search_context.h"

namespace rcv {

std::size_t VariableTable::BucketOf(std::string_view name) {
  std::uint32_t h = 0;
  for (char c : name) {
    // Bytes 80 to FF count as negative, as in a signed char.
    h = h * 31 + static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
  }
  return h % kVariableBucketCount;
}

void VariableTable::Set(std::string_view name, std::string_view value) {
  std::vector<Entry>& bucket = buckets_[BucketOf(name)];
  for (Entry& entry : bucket) {
    if (entry.name == name) {
      entry.value = value;
      return;
    }
  }
  bucket.push_back(Entry{std::string(name), std::string(value)});
}

std::optional<std::string> VariableTable::Get(std::string_view name) const {
  const std::string* value = Find(name);
  if (value == nullptr) return std::nullopt;
  return *value;
}

const std::string* VariableTable::Find(std::string_view name) const {
  for (const Entry& entry : buckets_[BucketOf(name)]) {
    if (entry.name == name) return &entry.value;
  }
  return nullptr;
}

void VariableTable::Clear() {
  for (std::vector<Entry>& bucket : buckets_) bucket.clear();
}

std::size_t VariableTable::Size() const {
  std::size_t size = 0;
  for (const std::vector<Entry>& bucket : buckets_) size += bucket.size();
  return size;
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
