#include "dict/expr/expression.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "dict/expr/expression_memory.h"
#include "dict/expr/expression_token.h"
#include "dict/expr/placeholder.h"
#include "dict/expr/token_order.h"
#include "dict/state/search_context.h"

namespace rcv {
namespace {

constexpr char kDollarMark = '$';
constexpr char kPlaceholderMark = '%';

// Evaluations nest through placeholder values; each level keeps its own
// working texts from one evaluation to the next, so that their room is
// reused instead of taken anew every time.
class ScratchLevel {
 public:
  explicit ScratchLevel(ExpressionMemory& memory) : memory_(memory) {
    if (memory_.pool.size() <= memory_.depth) memory_.pool.push_back(std::make_unique<EvalScratch>());
    scratch_ = memory_.pool[memory_.depth++].get();
  }
  ~ScratchLevel() { --memory_.depth; }
  ScratchLevel(const ScratchLevel&) = delete;
  ScratchLevel& operator=(const ScratchLevel&) = delete;
  EvalScratch& scratch() { return *scratch_; }

 private:
  ExpressionMemory& memory_;
  EvalScratch* scratch_;
};

// The positions of the tokens in postfix order.
struct Postfix {
  std::array<std::uint8_t, kTokenSlots> token{};
  std::size_t count = 0;
  void Push(std::size_t index) { token[count++] = static_cast<std::uint8_t>(index); }
};

// The prepared tokens, or null when the text has too many tokens.
std::shared_ptr<const PreparedTokens> Prepare(std::string_view text) {
  TokenList tokens;
  if (!TokenizeExpression(text, tokens)) return nullptr;
  auto prepared = std::make_shared<PreparedTokens>();
  for (ExpressionToken& token : tokens) {
    ExtractBits(token);
    const bool isTerm = token.front() == kDollarMark || token.front() == kPlaceholderMark;
    const bool isOperand = !isTerm && IsOperandText(token);
    prepared->push_back({std::move(token), isTerm, isOperand});
  }
  return prepared;
}

// The tokens of every condition text met so far, so that a condition is
// tokenized once however often it is evaluated; nothing when the text has
// too many tokens.
std::shared_ptr<const PreparedTokens> CachedTokens(std::string_view text, ExpressionMemory& memory) {
  // Past this many texts the cache starts afresh, to bound its memory.
  constexpr std::size_t kCachedTextsMax = 1 << 16;
  auto& cache = memory.tokens;
  if (const auto found = cache.find(text); found != cache.end()) return found->second;
  if (cache.size() >= kCachedTextsMax) cache.clear();
  return cache.emplace(std::string(text), Prepare(text)).first->second;
}

// Puts $ variables and % values in place of the terms. Fails on an
// undefined variable.
bool SubstituteTerms(const PreparedTokens& prepared, TokenSlots& tokens, SearchContext& context) {
  tokens.count = 0;
  for (const PreparedToken& token : prepared) {
    const std::size_t i = tokens.count;
    if (!token.isTerm) {
      tokens.text[i] = &token.text;
      tokens.isOperand[i] = token.isOperand;
      ++tokens.count;
      continue;
    }
    ExpressionToken& term = tokens.termText[i];
    if (token.text.front() == kDollarMark) {
      if (!SubstituteDollar(token.text, term, context)) return false;
    } else if (term = token.text; SpendOneTerm(context.records.braces)) {
      // A name without a record stays as it is and is ignored later, and
      // so does any name once the expansion budget is spent.
      term = GetPlaceholder(term, 1, context);
      if (term.size() > kValueTextMax) term.resize(kValueTextMax);
    }
    // A token substituted by an empty text ends the list there.
    if (term.empty()) break;
    tokens.text[i] = &term;
    tokens.isOperand[i] = IsOperandText(term);
    ++tokens.count;
  }
  return true;
}

int RankAt(const TokenSlots& tokens, std::size_t i) { return OperatorRank(tokens.text[i]->front()); }

// Infix to postfix, in the order the ordering pass gives.
bool ToPostfix(const TokenSlots& tokens, Postfix& postfix) {
  const auto isOperand = [&tokens](std::size_t i) { return tokens.isOperand[i]; };
  const auto rankOf = [&tokens](std::size_t i) { return RankAt(tokens, i); };
  const auto push = [&postfix](std::size_t i) {
    postfix.Push(i);
    return true;
  };
  return OrderTokens(tokens.count, isOperand, rankOf, push) == TokenOrder::kOrdered;
}

// Runs the postfix list; the result is the bottom value (nothing for an
// expression without operands), or false when it can't be computed.
bool Evaluate(const TokenSlots& tokens, const Postfix& postfix, EvalScratch& scratch, std::string_view& result) {
  ValueStack& values = scratch.values;
  std::size_t count = 0;
  for (std::size_t p = 0; p < postfix.count; ++p) {
    const std::size_t i = postfix.token[p];
    const ExpressionToken& token = *tokens.text[i];
    if (tokens.isOperand[i]) {
      if (count == kValueStackSlots) return false;
      values[count++].token = &token;
    } else if (RankAt(tokens, i) != kNotAnOperatorRank) {
      if (count < 2) return false;
      --count;
      ValueSlot& left = values[count - 1];
      if (!ApplyOperator(token.front(), left.text(), values[count].text(), scratch.result)) return false;
      std::swap(left.own, scratch.result);
      left.token = nullptr;
    }
    // Anything else (a placeholder name without a record) takes no part.
  }
  result = count == 0 ? std::string_view() : values[0].text();
  return true;
}

}  // namespace

std::int32_t EvalExpression(std::string_view text, SearchContext& context) {
  // A context of no dictionary evaluates without keeping anything.
  ExpressionMemory own;
  ExpressionMemory& memory = context.expressions ? *context.expressions : own;
  ExpansionScope scope(context.records.braces, false);
  // Substitution may evaluate further expressions, which may start the
  // cache afresh: this evaluation holds on to its own tokens.
  const std::shared_ptr<const PreparedTokens> prepared = CachedTokens(text, memory);
  if (!prepared) return 0;
  ScratchLevel level(memory);
  TokenSlots& tokens = level.scratch().tokens;
  if (!SubstituteTerms(*prepared, tokens, context)) return 0;
  Postfix postfix;
  if (!ToPostfix(tokens, postfix)) return 0;
  std::string_view result;
  if (!Evaluate(tokens, postfix, level.scratch(), result)) return 0;
  return IsTrueText(result) ? 1 : ReadValueNumber(result);
}

}  // namespace rcv
