#include "dict/expression.h"

#include <algorithm>
#include <optional>
#include <vector>
#include <string>

#include "dict/expression_token.h"
#include "dict/placeholder.h"
#include "dict/search_context.h"

namespace rcv {
namespace {

constexpr char kDollarMark = '$';
constexpr char kPlaceholderMark = '%';

// Puts bit fields, $ variables and % values into the tokens. Fails on an
// undefined variable.
bool SubstituteTokens(TokenList& tokens, SearchContext& context) {
  for (ExpressionToken& token : tokens) {
    ExtractBits(token);
    if (token.front() == kDollarMark) {
      if (!SubstituteDollar(token, context)) return false;
    } else if (token.front() == kPlaceholderMark && SpendOneTerm(context.records.braces)) {
      // A name without a record stays as it is and is ignored later, and
      // so does any name once the expansion budget is spent.
      token = GetPlaceholder(token, 1, context);
      if (token.size() > kValueTextMax) token.resize(kValueTextMax);
    }
  }
  // A token substituted by an empty text ends the list there.
  const auto end = std::find_if(tokens.begin(), tokens.end(), [](const ExpressionToken& t) { return t.empty(); });
  tokens.erase(end, tokens.end());
  return true;
}

int RankOf(const ExpressionToken& token) { return OperatorRank(token.front()); }

// Infix to postfix. Only one stacked operator leaves per arriving token, so
// 9-1*2+3 orders as 9 1 2 * 3 + -.
bool OrderTokens(const TokenList& tokens, TokenList& postfix) {
  postfix.clear();
  TokenList stack;
  for (const ExpressionToken& token : tokens) {
    if (IsOperandText(token)) {
      postfix.push_back(token);
    } else if (stack.empty() || RankOf(stack.back()) > RankOf(token)) {
      if (stack.size() == kOperatorStackSlots) return false;
      stack.push_back(token);
    } else {
      postfix.push_back(std::move(stack.back()));
      stack.back() = token;
    }
  }
  postfix.insert(postfix.end(), stack.rbegin(), stack.rend());
  return true;
}

// Runs the postfix list; the result is the bottom value, or nothing when
// the expression can't be computed.
std::optional<std::string> Evaluate(const TokenList& postfix) {
  std::vector<std::string> values;
  for (const ExpressionToken& token : postfix) {
    if (IsOperandText(token)) {
      if (values.size() == kValueStackSlots) return std::nullopt;
      values.push_back(token);
    } else if (RankOf(token) != kNotAnOperatorRank) {
      if (values.size() < 2) return std::nullopt;
      const std::string right = std::move(values.back());
      values.pop_back();
      if (!ApplyOperator(token.front(), values.back(), right)) return std::nullopt;
    }
    // Anything else (a placeholder name without a record) takes no part.
  }
  return values.empty() ? std::string() : values.front();
}

}  // namespace

std::int32_t EvalExpression(std::string_view text, SearchContext& context) {
  ExpansionScope scope(context.records.braces, false);
  TokenList tokens;
  if (!TokenizeExpression(text, tokens)) return 0;
  if (!SubstituteTokens(tokens, context)) return 0;
  TokenList postfix;
  if (!OrderTokens(tokens, postfix)) return 0;
  const std::optional<std::string> result = Evaluate(postfix);
  if (!result) return 0;
  return IsTrueText(*result) ? 1 : ReadValueNumber(*result);
}

}  // namespace rcv
