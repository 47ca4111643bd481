#include "dict/expr/bit_field.h"

#include <gtest/gtest.h>

#include <string>

namespace rcv {
namespace {

TEST(BitFieldTest, Selections) {
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      // positions count from the most significant written digit
      {"A5(0)", "1"}, {"A5(1)", "0"}, {"A5(0-7)", "A5"}, {"A5(6-7", "1"}, {"0F(4-7)", "F"},
      // only the last two digits yield bits; a position past the last digit adds a 0 bit
      {"1234(8-11)", "3"}, {"1234(8-15)", "34"}, {"1234(8-16)", "68"},
      {"00(0-3)", "00"}, {"A5(3-0)", "0"}, {"A5(x)", "1"},
      // huge selections end quickly; only the last 32 positions can still show
      {"A5(0-2147483647)", "0"}, {"A5(-99999999999-99999999999)", "0"}, {"A5(0-35)", "50000000"},
      // other tokens are left alone
      {"$GH(0-3)", "$GH(0-3)"}, {"%U(1)", "%U(1)"}, {"A5", "A5"}, {"(0-3)", "(0-3)"}, {"T(0-3)", "T(0-3)"},
  };
  // clang-format on
  for (const auto& [token, expected] : cases) {
    std::string text = token;
    ExtractBits(text);
    EXPECT_EQ(expected, text) << token;
  }
}

}  // namespace
}  // namespace rcv
