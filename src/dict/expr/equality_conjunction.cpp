#include "dict/expr/equality_conjunction.h"

#include "dict/expr/dollar_substitution.h"
#include "dict/expr/expression.h"

namespace rcv {
namespace {

constexpr std::size_t kTokensPerTest = 4;  // term, "=", constant, "&"

bool HasWildcard(std::string_view text) { return text.find_first_of("XS") != std::string_view::npos; }

bool IsDollarTerm(const PreparedToken& token) { return token.isTerm && token.text.front() == '$'; }
bool IsPlainConstant(const PreparedToken& token) { return token.isOperand && !HasWildcard(token.text); }

// One "term = constant" or "constant = term".
std::optional<EqualityTest> ReadTest(const PreparedToken& left, const PreparedToken& op, const PreparedToken& right) {
  if (op.text != "=") return std::nullopt;
  if (IsDollarTerm(left) && IsPlainConstant(right)) {
    return EqualityTest{left.text, std::string(WithoutLeadingZeros(right.text))};
  }
  if (IsPlainConstant(left) && IsDollarTerm(right)) {
    return EqualityTest{right.text, std::string(WithoutLeadingZeros(left.text))};
  }
  return std::nullopt;
}

}  // namespace

std::optional<EqualityConjunction> ReadEqualityConjunction(std::string_view condition) {
  const std::shared_ptr<const PreparedTokens> prepared = PrepareExpression(condition);
  if (!prepared || prepared->size() % kTokensPerTest != kTokensPerTest - 1) return std::nullopt;
  const PreparedTokens& tokens = *prepared;
  EqualityConjunction tests;
  for (std::size_t at = 0; at < tokens.size(); at += kTokensPerTest) {
    if (at > 0 && tokens[at - 1].text != "&") return std::nullopt;
    std::optional<EqualityTest> test = ReadTest(tokens[at], tokens[at + 1], tokens[at + 2]);
    if (!test) return std::nullopt;
    tests.push_back(std::move(*test));
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
