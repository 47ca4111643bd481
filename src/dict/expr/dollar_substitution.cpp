#include "dict/expr/dollar_substitution.h"

#include <optional>
#include <string_view>

#include "dict/expr/bit_field.h"
#include "dict/expr/expression_value.h"
#include "dict/state/search_context.h"
#include "dict/state/variable_table.h"

namespace rcv {
namespace {

bool IsCopiedAsIs(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }
bool IsOneLetterName(char c) { return c >= 'G' && c <= 'Z'; }

void AppendCut(std::string& text, std::string_view piece) { rcv::AppendCut(text, piece, kDollarResultMax); }

}  // namespace

bool SubstituteDollar(std::string& token, SearchContext& context) {
  if (token.empty() || token.front() != '$') return true;
  std::string result;
  if (!SubstituteDollar(token, result, context)) return false;
  token = std::move(result);
  return true;
}

bool SubstituteDollar(std::string_view token, std::string& result, SearchContext& context) {
  const std::string_view rest = token.substr(1);
  result.clear();
  if (rest.empty()) {
    const std::string* value = FindVariable("", context);
    if (value == nullptr) return false;
    AppendCut(result, *value);
  }
  std::size_t pos = 0;
  for (std::size_t elements = 0; pos < rest.size() && elements < kDollarElementMax; ++elements) {
    const char c = rest[pos];
    if (IsCopiedAsIs(c)) {
      AppendCut(result, rest.substr(pos, 1));
      ++pos;
    } else {
      // G to Z name a variable alone; any other character takes the next
      // one with it ("_0", "a1", "ab").
      const std::string_view name = rest.substr(pos, IsOneLetterName(c) ? 1 : 2);
      const std::string* value = FindVariable(name, context);
      if (value == nullptr) return false;
      AppendCut(result, *value);
      pos += name.size();
    }
    if (pos < rest.size() && rest[pos] == '(') {
      result.append(rest.substr(pos));
      ExtractBits(result);
      if (result.size() > kValueTextMax) result.resize(kValueTextMax);
      break;
    }
    if (pos >= rest.size() || !IsLetterOrDigit(rest[pos])) break;
  }
  return true;
}

}  // namespace rcv
