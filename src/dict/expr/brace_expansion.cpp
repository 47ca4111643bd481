#include "dict/expr/brace_expansion.h"

#include <optional>

#include "dict/expr/expression.h"
#include "dict/expr/expression_value.h"
#include "dict/expr/placeholder.h"
#include "dict/state/search_context.h"
#include "dict/state/variable_table.h"

namespace rcv {
namespace {

// Only this much of a text is looked at.
constexpr std::size_t kExaminedMax = kExpandedTextMax + 1;
// A "}" further than this from its "{" ends no term.
constexpr std::size_t kTermReach = kBraceTermNameMax + 1;
constexpr char kPlaceholderMark = '%';

// A Shift JIS lead byte (80-9F, E0-FF): the byte after it is the second
// half of the character, even when it is "{".
bool IsLeadByte(char c) {
  const unsigned high = static_cast<unsigned char>(c) >> 4;
  return high == 0x8 || high == 0x9 || high == 0xE || high == 0xF;
}

void AppendCut(std::string& out, std::string_view piece) { rcv::AppendCut(out, piece, kExpandedTextMax); }

std::string ExpandTerm(std::string_view name, SearchContext& context) {
  if (!name.empty() && name.front() == kPlaceholderMark) return GetPlaceholder(name, 1, context);
  return ExpandBraceTerm(name, context);
}

void AppendVariableOrName(std::string& out, std::string_view name, const SearchContext& context) {
  const std::optional<std::string> value = GetVariable(name, context);
  AppendCut(out, value ? std::string_view(*value) : name);
}

bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int ExpandBraces(std::string& text, SearchContext& context) {
  const int oldLength = static_cast<int>(text.size());
  BraceNesting& nesting = context.records.braces;
  ExpansionScope scope(nesting, true);
  if (nesting.depth > kBraceNestingMax || !BudgetLeft(nesting)) return oldLength;

  const std::string_view examined = std::string_view(text).substr(0, kExaminedMax);
  std::string out;
  bool secondByteNext = false;
  bool termMet = false;
  std::size_t pos = 0;
  while (pos < examined.size() && out.size() < kExpandedTextMax) {
    const char c = examined[pos];
    if (c != '{' || secondByteNext) {
      out += c;
      secondByteNext = !secondByteNext && IsLeadByte(c);
      ++pos;
      continue;
    }
    termMet = true;
    const std::size_t close = examined.substr(0, pos + 1 + kTermReach).find('}', pos + 1);
    if (close == std::string_view::npos) {
      AppendCut(out, examined.substr(pos, 1 + kTermReach));
      pos += 1 + kTermReach;
      continue;
    }
    const std::string_view term = examined.substr(pos, close + 1 - pos);
    if (SpendOneTerm(nesting)) {
      AppendCut(out, ExpandTerm(term.substr(1, term.size() - 2), context));
    } else {
      AppendCut(out, term);
    }
    pos = close + 1;
  }
  if (!termMet) return oldLength;
  text = std::move(out);
  return static_cast<int>(text.size());
}

std::string ExpandBraceTerm(std::string_view term, SearchContext& context) {
  const std::size_t colon = term.find(':');
  if (colon != std::string_view::npos) term.remove_prefix(colon + 1);

  std::string out;
  for (std::size_t pos = 0; pos < term.size();) {
    const char c = term[pos];
    if (IsLower(c) && pos + 1 < term.size() && IsDigit(term[pos + 1])) {
      AppendVariableOrName(out, term.substr(pos, 2), context);
      pos += 2;
    } else if (c >= 'G' && c <= 'Z') {
      AppendVariableOrName(out, term.substr(pos, 1), context);
      ++pos;
    } else if (c == '(') {
      // A bit-field group goes through as written.
      const std::size_t close = term.find(')', pos);
      const std::size_t end = close == std::string_view::npos ? term.size() : close + 1;
      AppendCut(out, term.substr(pos, end - pos));
      pos = end;
    } else {
      AppendCut(out, term.substr(pos, 1));
      ++pos;
    }
  }
  if (IsOperandText(out)) return out;
  return WriteValueNumber(EvalExpression(out, context));
}

}  // namespace rcv
