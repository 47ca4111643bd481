// The $ variables of a dictionary run: short names with short text values,
// kept in fifteen hash buckets. The RC-CODE match stores captured digits
// here, SET and SETLANG their values; expressions and brace terms read them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rcv {

struct SearchContext;

inline constexpr std::size_t kVariableBucketCount = 15;

class VariableTable {
 public:
  // Gives the name this value, replacing an earlier one.
  void Set(std::string_view name, std::string_view value);
  // The value, or nothing when the name is not defined. Names compare
  // exactly, letter case included.
  std::optional<std::string> Get(std::string_view name) const;
  // The value in place, or null; valid until the table next changes.
  const std::string* Find(std::string_view name) const;
  // Forgets every variable.
  void Clear();
  std::size_t Size() const;

  // The bucket of a name: h = h * 31 + b over its bytes taken as signed
  // 8-bit values, in unsigned 32-bit arithmetic, modulo the bucket count.
  static std::size_t BucketOf(std::string_view name);

 private:
  struct Entry {
    std::string name;
    std::string value;
  };
  std::array<std::vector<Entry>, kVariableBucketCount> buckets_;
};

// The store operations as the statements call them on a context.
void SetVariable(std::string_view name, std::string_view value, SearchContext& context);
std::optional<std::string> GetVariable(std::string_view name, const SearchContext& context);
// The value in place, or null; valid until the table next changes.
const std::string* FindVariable(std::string_view name, const SearchContext& context);
// Empties the table when a context is set up.
void ClearVariables(SearchContext& context);
// Releases every variable when a run ends.
void FreeVariables(SearchContext& context);

}  // namespace rcv
