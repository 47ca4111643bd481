#include "dict/expr/expression.h"

#include <gtest/gtest.h>

#include <string>

#include "dict/state/record_table.h"
#include "dict/state/search_context.h"
#include "dict/state/variable_table.h"

namespace rcv {
namespace {

class ExpressionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    context_.records.Init();
    SetVariable("G", "1", context_);
    SetVariable("H", "F", context_);
  }
  std::int32_t Eval(std::string_view text) { return EvalExpression(text, context_); }

  SearchContext context_;
};

TEST_F(ExpressionTest, Results) {
  std::string sixteen = "1";  // 31 tokens
  for (int i = 1; i < 16; ++i) sixteen += " + 1";
  // clang-format off
  const std::pair<std::string, std::int32_t> cases[] = {
      {"$GH = 1F", 1}, {"$GH > 1E", 1}, {"$GH < 1E", 0},
      // logical operators group from the right
      {"1 = 1 & 2 = 3", 0}, {"1 = 1 | 2 = 3", 1}, {"1 = 2 & 1 = 2 | 1 = 1", 0}, {"1 = 1 | 1 = 2 & 1 = 2", 1},
      // only one stacked operator leaves per arriving token
      {"9 - 1 * 2 + 3", 4}, {"9 - 3 - 2", 4}, {"2 * 3 + 1", 7}, {"1 + 2 * 3", 7},
      {"5 - 7", 2147483647}, {"10 / 3", 5}, {"F # 30", 63}, {"1F @ F0", 16}, {"2 + 3", 5}, {"1 + 0", 1},
      {"A5(0-3) = A", 1}, {"A5(4-7)", 5}, {"1234(0-3)", 0},
      {"", 0}, {"     ", 0}, {"TN", 0}, {"(1 + 2)", 3}, {"1 2", 1},
      {sixteen, 16}, {sixteen + " + 1", 0}, {sixteen + " +", 0}, {sixteen + " +   ", 0}, {sixteen + " ()!", 16},
      // an undefined variable fails the whole expression
      {"$Q = 1", 0}, {"$Q = 1 | 1 = 1", 0}, {"$", 0},
      // uncomputable: too few values, division by zero, seventeen values on the stack
      {"+ 1", 0}, {"1 +", 0}, {"10 / 0", 0}, {"10 / 0 = 0 | 1 = 1", 0},
      {"1 2 3 4 5 6 7 8 9 A B C D E F 10", 1}, {"1 2 3 4 5 6 7 8 9 A B C D E F 10 11", 0},
  };
  // clang-format on
  for (const auto& [text, expected] : cases) EXPECT_EQ(expected, Eval(text)) << text;
}

TEST_F(ExpressionTest, TwoCharacterVariables) {
  SetVariable("_0", "1", context_);
  SetVariable("a1", "2", context_);
  SetVariable("ab", "3", context_);
  EXPECT_EQ(1, Eval("$_0 = 1"));
  EXPECT_EQ(1, Eval("$_01"));  // $_0 then the operand 1; the bottom value is 1
  EXPECT_EQ(0x23, Eval("$a1ab"));
  EXPECT_EQ(0x12F, Eval("$Ga1H"));
  SetVariable("", "7", context_);
  EXPECT_EQ(7, Eval("$"));
}

}  // namespace
}  // namespace rcv
