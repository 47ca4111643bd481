#include "dict/expression.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "dict/expression_token.h"
#include "dict/placeholder.h"
#include "dict/search_context.h"

namespace rcv {
namespace {

constexpr char kDollarMark = '$';
constexpr char kPlaceholderMark = '%';

// The tokens of one evaluation in fixed slots, so that evaluating a
// condition takes no memory beyond its own texts.
struct TokenSlots {
  std::array<ExpressionToken, kTokenSlots> text;
  std::array<bool, kTokenSlots> isOperand{};
  std::size_t count = 0;
};

// The positions of the tokens in postfix order.
struct Postfix {
  std::array<std::uint8_t, kTokenSlots> token{};
  std::size_t count = 0;
  void Push(std::size_t index) { token[count++] = static_cast<std::uint8_t>(index); }
};

// The tokens of every condition text met so far, so that a condition is
// tokenized once however often it is evaluated; nothing when the text has
// too many tokens.
const std::optional<TokenList>* CachedTokens(std::string_view text) {
  // Past this many texts the cache starts afresh, to bound its memory.
  constexpr std::size_t kCachedTextsMax = 1 << 16;
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
  };
  static std::unordered_map<std::string, std::optional<TokenList>, Hash, std::equal_to<>> cache;
  if (const auto found = cache.find(text); found != cache.end()) return &found->second;
  if (cache.size() >= kCachedTextsMax) cache.clear();
  TokenList tokens;
  std::optional<TokenList> entry;
  if (TokenizeExpression(text, tokens)) entry = std::move(tokens);
  return &cache.emplace(std::string(text), std::move(entry)).first->second;
}

// Puts bit fields, $ variables and % values into the tokens. Fails on an
// undefined variable.
bool SubstituteTokens(TokenSlots& tokens, SearchContext& context) {
  for (std::size_t i = 0; i < tokens.count; ++i) {
    ExpressionToken& token = tokens.text[i];
    ExtractBits(token);
    if (token.front() == kDollarMark) {
      if (!SubstituteDollar(token, context)) return false;
    } else if (token.front() == kPlaceholderMark && SpendOneTerm(context.records.braces)) {
      // A name without a record stays as it is and is ignored later, and
      // so does any name once the expansion budget is spent.
      token = GetPlaceholder(token, 1, context);
      if (token.size() > kValueTextMax) token.resize(kValueTextMax);
    }
    // A token substituted by an empty text ends the list there.
    if (token.empty()) {
      tokens.count = i;
      break;
    }
    tokens.isOperand[i] = IsOperandText(token);
  }
  return true;
}

int RankOf(const ExpressionToken& token) { return OperatorRank(token.front()); }

// Infix to postfix. Only one stacked operator leaves per arriving token, so
// 9-1*2+3 orders as 9 1 2 * 3 + -.
bool OrderTokens(const TokenSlots& tokens, Postfix& postfix) {
  std::array<std::size_t, kOperatorStackSlots> stack{};
  std::size_t stacked = 0;
  for (std::size_t i = 0; i < tokens.count; ++i) {
    if (tokens.isOperand[i]) {
      postfix.Push(i);
    } else if (stacked == 0 || RankOf(tokens.text[stack[stacked - 1]]) > RankOf(tokens.text[i])) {
      if (stacked == kOperatorStackSlots) return false;
      stack[stacked++] = i;
    } else {
      postfix.Push(stack[stacked - 1]);
      stack[stacked - 1] = i;
    }
  }
  while (stacked > 0) postfix.Push(stack[--stacked]);
  return true;
}

// Runs the postfix list; the result is the bottom value, or nothing when
// the expression can't be computed.
std::optional<std::string> Evaluate(const TokenSlots& tokens, const Postfix& postfix) {
  std::array<std::string, kValueStackSlots> values;
  std::size_t count = 0;
  for (std::size_t p = 0; p < postfix.count; ++p) {
    const std::size_t i = postfix.token[p];
    const ExpressionToken& token = tokens.text[i];
    if (tokens.isOperand[i]) {
      if (count == kValueStackSlots) return std::nullopt;
      values[count++] = token;
    } else if (RankOf(token) != kNotAnOperatorRank) {
      if (count < 2) return std::nullopt;
      --count;
      if (!ApplyOperator(token.front(), values[count - 1], values[count])) return std::nullopt;
    }
    // Anything else (a placeholder name without a record) takes no part.
  }
  return count == 0 ? std::string() : std::move(values[0]);
}

}  // namespace

std::int32_t EvalExpression(std::string_view text, SearchContext& context) {
  ExpansionScope scope(context.records.braces, false);
  // The tokens are copied: substitution rewrites them, and may evaluate
  // further expressions that change the cache.
  const std::optional<TokenList>* cached = CachedTokens(text);
  if (!cached->has_value()) return 0;
  TokenSlots tokens;
  for (const ExpressionToken& token : **cached) tokens.text[tokens.count++] = token;
  if (!SubstituteTokens(tokens, context)) return 0;
  Postfix postfix;
  if (!OrderTokens(tokens, postfix)) return 0;
  const std::optional<std::string> result = Evaluate(tokens, postfix);
  if (!result) return 0;
  return IsTrueText(*result) ? 1 : ReadValueNumber(*result);
}

}  // namespace rcv
