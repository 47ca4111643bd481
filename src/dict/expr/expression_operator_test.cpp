#include "dict/expr/expression_operator.h"

#include <gtest/gtest.h>

#include <string>

namespace rcv {
namespace {

TEST(ExpressionOperatorTest, ResultTexts) {
  struct Case {
    char op;
    std::string left, right, expected;
  };
  // clang-format off
  const Case cases[] = {
      {'*', "7FFFFFFF", "2", "FFFFFFFE"}, {'+', "7FFFFFFF", "1", "80000000"}, {'-', "5", "7", "FFFFFFFE"},
      {'+', "N", "T", "0"},               {'<', "1E", "1F", "T"},             {'<', "1F", "1F", "N"},
      {'>', "20", "1F", "T"},             {'>', "FFFFFFFF", "7FFFFFFF", "N"}, {'=', "5", "05", "T"},
      {'=', "1X", "123", "N"},            {'=', "3S", "37", "T"},             {'=', "X", "0", "T"},
      {'=', "47", "XX", "T"},             {'=', "1f", "1F", "N"},             {'=', "", "000", "T"},
      {'&', "T", "N", "N"},               {'|', "N", "T", "T"},               {'|', "N", "N", "N"},
      // the logical operators change only the first character
      {'&', "1F", "T", "NF"},             {'|', "1F", "T", "TF"},
  };
  // clang-format on
  for (const Case& c : cases) {
    std::string left = c.left;
    EXPECT_TRUE(ApplyOperator(c.op, left, c.right)) << c.left << c.op << c.right;
    EXPECT_EQ(c.expected, left) << c.left << c.op << c.right;
  }
}

TEST(ExpressionOperatorTest, DivisionByZeroAndNoOperatorHaveNoResult) {
  std::string left = "10";
  EXPECT_FALSE(ApplyOperator('/', left, "0"));
  EXPECT_FALSE(ApplyOperator('/', left, "N"));
  EXPECT_FALSE(ApplyOperator('%', left, "1"));
  EXPECT_EQ("10", left);
}

}  // namespace
}  // namespace rcv
