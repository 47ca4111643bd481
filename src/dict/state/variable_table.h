// The $ variables of a dictionary run: short names with short text values,
// kept in one hashed table. The RC-CODE match stores captured digits
// here, SET and SETLANG their values; expressions and brace terms read them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace rcv {

struct SearchContext;

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
  void Clear() { values_.clear(); }
  std::size_t Size() const { return values_.size(); }

 private:
  // Most names are the one or two characters of an RC-CODE capture: a
  // short inline hash (FNV-1a) serves them better than a general one.
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
      std::uint64_t hash = 14695981039346656037ULL;
      for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
      return static_cast<std::size_t>(hash);
    }
  };
  // One hashed table: a dictionary may set tens of thousands of variables,
  // and each access stays constant time.
  std::unordered_map<std::string, std::string, Hash, std::equal_to<>> values_;
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
