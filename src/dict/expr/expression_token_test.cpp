#include "dict/expr/expression_token.h"

#include <gtest/gtest.h>

#include <string>

#include "dict/expr/expression_value.h"

namespace rcv {
namespace {

TEST(ExpressionTokenTest, Splits) {
  const std::string run(40, '1');
  const std::pair<std::string, TokenList> cases[] = {
      {"$GH=1F", {"$GH", "=", "1F"}},
      {"#&*+-/<=>@|", {"#", "&", "*", "+", "-", "/", "<", "=", ">", "@", "|"}},
      {"%UNIT-NAME", {"%UNIT", "-", "A", "E"}},  // a "-" ends a placeholder name
      {"1X=S3", {"1X", "=", "S3"}},
      {"TAN\tQE!", {"A", "E"}},  // characters that start no token are skipped
      {"    ", {}},
      {"$_01", {"$_0", "1"}},  // "$_" takes exactly one more character
      {"$_", {"$_"}},
      {"$_+1", {"$_+", "1"}},
      {"$GH(4-7)1", {"$GH(4-7)", "1"}},
      {"A5(0-3", {"A5(0-3"}},
      {"$(1)", {"$(1)"}},
      {"%U(1)", {"%U", "1"}},  // a placeholder name takes no group
      // long runs are cut at the token limit
      {run + "+2", {std::string(kValueTextMax, '1'), "+", "2"}},
      {"$" + std::string(35, 'G'), {"$" + std::string(28, 'G')}},
      {std::string(27, '1') + "(0-3)", {std::string(27, '1') + "(0"}},
  };
  for (const auto& [text, expected] : cases) {
    TokenList tokens;
    EXPECT_TRUE(TokenizeExpression(text, tokens)) << text;
    EXPECT_EQ(expected, tokens) << text;
  }
}

}  // namespace
}  // namespace rcv
