#include "dict/expression.h"

#include <gtest/gtest.h>

#include <string>

#include "dict/record_table.h"
#include "dict/search_context.h"
#include "dict/variable_table.h"

namespace rcv {
namespace {

class ExpressionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitRecordTable(context_);
    SetVariable("G", "1", context_);
    SetVariable("H", "F", context_);
  }
  std::int32_t Eval(std::string_view text) { return EvalExpression(text, context_); }

  SearchContext context_;
};

TEST_F(ExpressionTest, ComparesCapturedDigits) {
  EXPECT_EQ(1, Eval("$GH = 1F"));
  EXPECT_EQ(1, Eval("$GH > 1E"));
  EXPECT_EQ(0, Eval("$GH < 1E"));
  EXPECT_EQ(0x1F, Eval("$GH"));
  EXPECT_EQ(0x10, Eval("$G0"));
  EXPECT_EQ(1, Eval("$GH(0-3)"));
  EXPECT_EQ(0xF, Eval("$GH(4-7)"));
}

TEST_F(ExpressionTest, LogicalOperatorsGroupFromTheRight) {
  EXPECT_EQ(0, Eval("1 = 1 & 2 = 3"));
  EXPECT_EQ(1, Eval("1 = 1 | 2 = 3"));
  EXPECT_EQ(0, Eval("1 = 2 & 1 = 2 | 1 = 1"));
  EXPECT_EQ(1, Eval("1 = 1 | 1 = 2 & 1 = 2"));
}

TEST_F(ExpressionTest, OnlyOneStackedOperatorLeavesPerToken) {
  EXPECT_EQ(4, Eval("9 - 1 * 2 + 3"));
  EXPECT_EQ(4, Eval("9 - 3 - 2"));
  EXPECT_EQ(7, Eval("2 * 3 + 1"));
  EXPECT_EQ(7, Eval("1 + 2 * 3"));
}

TEST_F(ExpressionTest, ArithmeticResults) {
  EXPECT_EQ(2147483647, Eval("5 - 7"));
  EXPECT_EQ(5, Eval("10 / 3"));
  EXPECT_EQ(63, Eval("F # 30"));
  EXPECT_EQ(16, Eval("1F @ F0"));
  EXPECT_EQ(5, Eval("2 + 3"));
  EXPECT_EQ(1, Eval("1 + 0"));
}

TEST_F(ExpressionTest, BitFields) {
  EXPECT_EQ(1, Eval("A5(0-3) = A"));
  EXPECT_EQ(5, Eval("A5(4-7)"));
  EXPECT_EQ(0, Eval("1234(0-3)"));
}

TEST_F(ExpressionTest, EmptyMalformedAndOverlongTextsGiveZero) {
  EXPECT_EQ(0, Eval(""));
  EXPECT_EQ(0, Eval("     "));
  EXPECT_EQ(0, Eval("TN"));
  std::string sixteen = "1";
  for (int i = 1; i < 16; ++i) sixteen += " + 1";
  EXPECT_EQ(16, Eval(sixteen));
  EXPECT_EQ(0, Eval(sixteen + " + 1"));
  EXPECT_EQ(0, Eval(sixteen + " +"));
}

TEST_F(ExpressionTest, ParenthesesAreSkippedAndTheBottomValueWins) {
  EXPECT_EQ(3, Eval("(1 + 2)"));
  EXPECT_EQ(1, Eval("1 2"));
}

TEST_F(ExpressionTest, UndefinedVariableFailsTheWholeExpression) {
  EXPECT_EQ(0, Eval("$Q = 1"));
  EXPECT_EQ(0, Eval("$Q = 1 | 1 = 1"));
  EXPECT_EQ(0, Eval("$"));
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

TEST_F(ExpressionTest, PlaceholderTermsTakeTheFirstValue) {
  DefineValue("%UNIT", "1F", context_);
  DefineValue("%UNIT", "20", context_);
  EXPECT_EQ(1, Eval("%UNIT = 1F"));
  EXPECT_EQ(0x20, Eval("%UNIT + 1"));
  EXPECT_EQ(0U, TakeRecordError(context_));
}

TEST_F(ExpressionTest, PlaceholderValuesAreExpandedBeforeUse) {
  DefineValue("%N", "{GH+1}", context_);
  EXPECT_EQ(1, Eval("%N = 20"));
}

TEST_F(ExpressionTest, MissingPlaceholderIsIgnoredAndFlagged) {
  EXPECT_EQ(5, Eval("5 %NONE"));
  EXPECT_EQ(kNoSuchRecord, TakeRecordError(context_));
  // Used as an operand it leaves "=" with one value: nothing to compute.
  EXPECT_EQ(0, Eval("%NONE = 1"));
}

TEST_F(ExpressionTest, AnEmptySubstitutionEndsTheExpression) {
  SetVariable("E", "", context_);
  EXPECT_EQ(0, Eval("$E = 0"));
  EXPECT_EQ(5, Eval("5 $E + 1"));
}

TEST_F(ExpressionTest, UncomputableExpressionsGiveZero) {
  EXPECT_EQ(0, Eval("+ 1"));
  EXPECT_EQ(0, Eval("1 +"));
  EXPECT_EQ(0, Eval("10 / 0"));
  EXPECT_EQ(0, Eval("10 / 0 = 0 | 1 = 1"));
  // Seventeen values on the stack at once.
  EXPECT_EQ(1, Eval("1 2 3 4 5 6 7 8 9 A B C D E F 10"));
  EXPECT_EQ(0, Eval("1 2 3 4 5 6 7 8 9 A B C D E F 10 11"));
}

TEST_F(ExpressionTest, LongSubstitutionsAreCut) {
  SetVariable("L", std::string(100, '1'), context_);
  // 19 characters of ones read far above the limit and saturate.
  EXPECT_EQ(2147483647, Eval("$L"));
  EXPECT_EQ(1, Eval("$L = 1111111111111111111"));
  DefineValue("%LONG", std::string(40, '2'), context_);
  EXPECT_EQ(1, Eval("%LONG = " + std::string(29, '2')));
}

}  // namespace
}  // namespace rcv
