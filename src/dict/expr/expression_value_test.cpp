#include "dict/expr/expression_value.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

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

}  // namespace
}  // namespace rcv
