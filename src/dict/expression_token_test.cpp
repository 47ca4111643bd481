#include "dict/expression_token.h"

#include <gtest/gtest.h>

#include <string>

#include "dict/expression_value.h"

namespace rcv {
namespace {

TokenList Tokens(std::string_view text) {
  TokenList tokens;
  EXPECT_TRUE(TokenizeExpression(text, tokens)) << text;
  return tokens;
}

TEST(ExpressionTokenTest, SplitsOperatorsOperandsAndTerms) {
  EXPECT_EQ((TokenList{"$GH", "=", "1F"}), Tokens("$GH = 1F"));
  EXPECT_EQ((TokenList{"$GH", "=", "1F"}), Tokens("$GH=1F"));
  EXPECT_EQ((TokenList{"#", "&", "*", "+", "-", "/", "<", "=", ">", "@", "|"}), Tokens("#&*+-/<=>@|"));
  // A "-" in a placeholder name ends the name.
  EXPECT_EQ((TokenList{"%UNIT", "-", "A", "E"}), Tokens("%UNIT-NAME"));
  EXPECT_EQ((TokenList{"1X", "=", "S3"}), Tokens("1X=S3"));
}

TEST(ExpressionTokenTest, SkipsCharactersThatStartNoToken) {
  EXPECT_EQ((TokenList{"1", "+", "2"}), Tokens("(1 + 2)"));
  EXPECT_EQ((TokenList{"A", "E"}), Tokens("TAN\tQE!"));
  EXPECT_EQ(TokenList{}, Tokens(""));
  EXPECT_EQ(TokenList{}, Tokens("    "));
}

TEST(ExpressionTokenTest, UnderscoreTermTakesExactlyOneMoreCharacter) {
  EXPECT_EQ((TokenList{"$_0", "1"}), Tokens("$_01"));
  EXPECT_EQ((TokenList{"$_"}), Tokens("$_"));
  EXPECT_EQ((TokenList{"$_+", "1"}), Tokens("$_+1"));
}

TEST(ExpressionTokenTest, BitFieldGroupsStayWithTheirToken) {
  EXPECT_EQ((TokenList{"A5(0-3)", "=", "A"}), Tokens("A5(0-3) = A"));
  EXPECT_EQ((TokenList{"$GH(4-7)", "1"}), Tokens("$GH(4-7)1"));
  EXPECT_EQ((TokenList{"A5(0-3"}), Tokens("A5(0-3"));
  EXPECT_EQ((TokenList{"$(1)"}), Tokens("$(1)"));
  // A placeholder name takes no group.
  EXPECT_EQ((TokenList{"%U", "1"}), Tokens("%U(1)"));
}

TEST(ExpressionTokenTest, LongRunsAreCutAtTheTokenLimit) {
  const std::string run(40, '1');
  EXPECT_EQ((TokenList{std::string(kValueTextMax, '1'), "+", "2"}), Tokens(run + "+2"));
  EXPECT_EQ((TokenList{"$" + std::string(28, 'G')}), Tokens("$" + std::string(35, 'G')));
  EXPECT_EQ((TokenList{std::string(27, '1') + "(0"}), Tokens(std::string(27, '1') + "(0-3)"));
}

TEST(ExpressionTokenTest, ThirtyOneTokensFitAndThirtyTwoFail) {
  std::string text = "1";
  for (int i = 1; i < 16; ++i) text += "+1";  // 31 tokens
  TokenList tokens;
  EXPECT_TRUE(TokenizeExpression(text, tokens));
  EXPECT_EQ(31U, tokens.size());
  EXPECT_FALSE(TokenizeExpression(text + "+", tokens));
  EXPECT_FALSE(TokenizeExpression(text + "+   ", tokens));
  EXPECT_TRUE(TokenizeExpression(text + " ()!", tokens));
}

}  // namespace
}  // namespace rcv
