#include "dict/expression_value.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

TEST(ExpressionValueTest, OperandCharactersAreHexDigitsAndTheWildcards) {
  EXPECT_TRUE(IsOperandText("0123456789abcdefABCDEFXS"));
  EXPECT_TRUE(IsOperandText(""));
  for (const char* text : {"1G", "x", "s", "T", "1 2", "\x8A"}) EXPECT_FALSE(IsOperandText(text)) << text;
}

TEST(ExpressionValueTest, ReadsBaseSixteenLikeStrtolButSaturates) {
  // clang-format off
  const std::pair<const char*, std::int32_t> cases[] = {
      {"1f", 0x1F},          {"0x1F", 0x1F},        {"0X1F", 0x1F},  {"0X", 0},         {"0XS", 0},
      {"12X4", 0x12},        {"N", 0},              {"X1", 0},       {"", 0},           {" +10", 0x10},
      {"-10", -0x10},        {"7FFFFFFF", 0x7FFFFFFF}, {"80000000", 2147483647}, {"FFFFFFFF", 2147483647},
      {"FFFFFFFFFFFFFFFFFFFFFFFFFFFFF", 2147483647},  {"-FFFFFFFFFFFF", -2147483647 - 1},
  };
  // clang-format on
  for (const auto& [text, value] : cases) EXPECT_EQ(value, ReadValueNumber(text)) << text;
}

TEST(ExpressionValueTest, WritesTheTwosComplementBitsInUpperCase) {
  EXPECT_EQ("0", WriteValueNumber(0));
  EXPECT_EQ("1F", WriteValueNumber(0x1F));
  EXPECT_EQ("FFFFFFFF", WriteValueNumber(-1));
  EXPECT_EQ("80000000", WriteValueNumber(-2147483647 - 1));
}

}  // namespace
}  // namespace rcv
