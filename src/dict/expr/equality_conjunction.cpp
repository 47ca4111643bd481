#include "dict/expr/equality_conjunction.h"

#include "dict/expr/bit_field.h"
#include "dict/expr/dollar_substitution.h"
#include "dict/expr/expression_token.h"
#include "dict/expr/expression_value.h"

namespace rcv {
namespace {

constexpr std::size_t kTokensPerTest = 4;  // term, "=", constant, "&"

bool HasWildcard(std::string_view text) { return text.find_first_of("XS") != std::string_view::npos; }

bool IsDollarTerm(const ExpressionToken& token) { return token.front() == '$'; }

// The constant as the evaluator compares it (its bit field taken), when it
// is one without wildcards.
std::optional<std::string> PlainConstant(const ExpressionToken& token) {
  if (!IsOperandChar(token.front())) return std::nullopt;
  std::string constant = token;
  ExtractBits(constant);
  if (!IsOperandText(constant) || HasWildcard(constant)) return std::nullopt;
  return std::string(WithoutLeadingZeros(constant));
}

// One "term = constant" or "constant = term".
bool ReadTest(const ExpressionToken& left, const ExpressionToken& op, const ExpressionToken& right,
              EqualityConjunction& tests) {
  if (op != "=") return false;
  const bool termFirst = IsDollarTerm(left);
  std::optional<std::string> constant = PlainConstant(termFirst ? right : left);
  if (!constant || !IsDollarTerm(termFirst ? left : right)) return false;
  tests.push_back({termFirst ? left : right, std::move(*constant)});
  return true;
}

}  // namespace

std::optional<EqualityConjunction> ReadEqualityConjunction(std::string_view condition) {
  TokenList tokens;
  if (!TokenizeExpression(condition, tokens) || tokens.size() % kTokensPerTest != kTokensPerTest - 1) {
    return std::nullopt;
  }
  EqualityConjunction tests;
  for (std::size_t at = 0; at < tokens.size(); at += kTokensPerTest) {
    if (at > 0 && tokens[at - 1] != "&") return std::nullopt;
    if (!ReadTest(tokens[at], tokens[at + 1], tokens[at + 2], tests)) return std::nullopt;
  }
  return tests;
}

std::string_view WithoutLeadingZeros(std::string_view text) {
  const std::size_t first = text.find_first_not_of('0');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

TermValue ReadTermValue(std::string_view term, SearchContext& context) {
  TermValue read;
  std::string value;
  if (!SubstituteDollar(term, value, context)) {
    read.value.reset();
    return read;
  }
  // An empty value ends the evaluator's token list, and a wildcard or any
  // other text changes how the test or the whole condition reads.
  read.plain = !value.empty() && IsOperandText(value) && !HasWildcard(value);
  read.value = std::move(value);
  return read;
}

}  // namespace rcv
