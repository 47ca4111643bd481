#include "dict/expression_value.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

TEST(ExpressionValueTest, OperandCharactersAreHexDigitsAndTheWildcards) {
  EXPECT_TRUE(IsOperandText("0123456789abcdefABCDEFXS"));
  EXPECT_TRUE(IsOperandText(""));
  EXPECT_FALSE(IsOperandText("1G"));
  EXPECT_FALSE(IsOperandText("x"));
  EXPECT_FALSE(IsOperandText("s"));
  EXPECT_FALSE(IsOperandText("T"));
  EXPECT_FALSE(IsOperandText("1 2"));
  EXPECT_FALSE(IsOperandChar('\x8A'));
}

TEST(ExpressionValueTest, ReadsBaseSixteenLikeStrtol) {
  EXPECT_EQ(0x1F, ReadValueNumber("1F"));
  EXPECT_EQ(0x1F, ReadValueNumber("1f"));
  EXPECT_EQ(0x1F, ReadValueNumber("0x1F"));
  EXPECT_EQ(0x1F, ReadValueNumber("0X1F"));
  EXPECT_EQ(0, ReadValueNumber("0X"));
  EXPECT_EQ(0, ReadValueNumber("0XS"));
  EXPECT_EQ(0x12, ReadValueNumber("12X4"));
  EXPECT_EQ(0, ReadValueNumber("N"));
  EXPECT_EQ(0, ReadValueNumber("X1"));
  EXPECT_EQ(0, ReadValueNumber("S"));
  EXPECT_EQ(0, ReadValueNumber(""));
  EXPECT_EQ(0x10, ReadValueNumber(" +10"));
  EXPECT_EQ(-0x10, ReadValueNumber("-10"));
}

TEST(ExpressionValueTest, ReadingSaturatesInsteadOfWrapping) {
  EXPECT_EQ(0x7FFFFFFF, ReadValueNumber("7FFFFFFF"));
  EXPECT_EQ(2147483647, ReadValueNumber("80000000"));
  EXPECT_EQ(2147483647, ReadValueNumber("FFFFFFFF"));
  EXPECT_EQ(2147483647, ReadValueNumber("FFFFFFFFFFFFFFFFFFFFFFFFFFFFF"));
  EXPECT_EQ(-2147483647 - 1, ReadValueNumber("-FFFFFFFFFFFF"));
}

TEST(ExpressionValueTest, WritesTheTwosComplementBitsInUpperCase) {
  EXPECT_EQ("0", WriteValueNumber(0));
  EXPECT_EQ("1F", WriteValueNumber(0x1F));
  EXPECT_EQ("FFFFFFFF", WriteValueNumber(-1));
  EXPECT_EQ("80000000", WriteValueNumber(-2147483647 - 1));
  EXPECT_EQ(2147483647, ReadValueNumber(WriteValueNumber(-1)));
}

TEST(ExpressionValueTest, TruthIsTheFirstCharacter) {
  EXPECT_TRUE(IsTrueText("T"));
  EXPECT_TRUE(IsTrueText("TF"));
  EXPECT_FALSE(IsTrueText("N"));
  EXPECT_FALSE(IsTrueText(""));
  EXPECT_FALSE(IsTrueText("t"));
}

}  // namespace
}  // namespace rcv
