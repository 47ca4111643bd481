#include "dict/bit_field.h"

#include <gtest/gtest.h>

#include <string>

namespace rcv {
namespace {

std::string Bits(std::string token) {
  ExtractBits(token);
  return token;
}

TEST(BitFieldTest, PositionsCountFromTheMostSignificantWrittenDigit) {
  EXPECT_EQ("A", Bits("A5(0-3)"));
  EXPECT_EQ("5", Bits("A5(4-7)"));
  EXPECT_EQ("1", Bits("A5(0)"));
  EXPECT_EQ("0", Bits("A5(1)"));
  EXPECT_EQ("A5", Bits("A5(0-7)"));
  EXPECT_EQ("1", Bits("A5(6-7"));  // no closing parenthesis
  EXPECT_EQ("F", Bits("0F(4-7)"));
}

TEST(BitFieldTest, OnlyTheLastTwoDigitsYieldBits) {
  EXPECT_EQ("0", Bits("1234(0-3)"));
  EXPECT_EQ("3", Bits("1234(8-11)"));
  EXPECT_EQ("34", Bits("1234(8-15)"));
  EXPECT_EQ("68", Bits("1234(8-16)"));  // a position past the last digit adds a 0 bit
}

TEST(BitFieldTest, ZeroAndBackwardSelections) {
  EXPECT_EQ("00", Bits("00(0-3)"));
  EXPECT_EQ("0", Bits("A5(3-0)"));
  EXPECT_EQ("1", Bits("A5(x)"));  // no number reads as position 0
}

TEST(BitFieldTest, HugeSelectionsEndQuickly) {
  EXPECT_EQ("0", Bits("A5(0-2147483647)"));
  EXPECT_EQ("0", Bits("A5(-99999999999-99999999999)"));
  // Only the last 32 positions can still show: here those begin with the
  // bits of the 5, followed by 28 positions past the last digit.
  EXPECT_EQ("50000000", Bits("A5(0-35)"));
}

TEST(BitFieldTest, LeavesOtherTokensAlone) {
  EXPECT_EQ("$GH(0-3)", Bits("$GH(0-3)"));
  EXPECT_EQ("%U(1)", Bits("%U(1)"));
  EXPECT_EQ("A5", Bits("A5"));
  EXPECT_EQ("(0-3)", Bits("(0-3)"));
  EXPECT_EQ("T(0-3)", Bits("T(0-3)"));
}

}  // namespace
}  // namespace rcv
