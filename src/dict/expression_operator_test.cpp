#include "dict/expression_operator.h"

#include <gtest/gtest.h>

#include <string>

namespace rcv {
namespace {

std::string Apply(char op, std::string left, const std::string& right) {
  EXPECT_TRUE(ApplyOperator(op, left, right)) << left << op << right;
  return left;
}

TEST(ExpressionOperatorTest, RanksFromTheOneTable) {
  EXPECT_EQ(5, OperatorRank('#'));
  EXPECT_EQ(5, OperatorRank('@'));
  EXPECT_EQ(10, OperatorRank('*'));
  EXPECT_EQ(10, OperatorRank('/'));
  EXPECT_EQ(15, OperatorRank('+'));
  EXPECT_EQ(15, OperatorRank('-'));
  EXPECT_EQ(20, OperatorRank('<'));
  EXPECT_EQ(20, OperatorRank('>'));
  EXPECT_EQ(20, OperatorRank('='));
  EXPECT_EQ(25, OperatorRank('&'));
  EXPECT_EQ(25, OperatorRank('|'));
  EXPECT_EQ(255, OperatorRank('%'));
  EXPECT_EQ(255, OperatorRank('1'));
  EXPECT_EQ(255, OperatorRank('\0'));
}

TEST(ExpressionOperatorTest, ArithmeticWrapsAndIsWrittenInHex) {
  EXPECT_EQ("3F", Apply('#', "F", "30"));
  EXPECT_EQ("10", Apply('@', "1F", "F0"));
  EXPECT_EQ("6", Apply('*', "2", "3"));
  EXPECT_EQ("FFFFFFFE", Apply('*', "7FFFFFFF", "2"));
  EXPECT_EQ("5", Apply('/', "10", "3"));
  EXPECT_EQ("5", Apply('+', "2", "3"));
  EXPECT_EQ("80000000", Apply('+', "7FFFFFFF", "1"));
  EXPECT_EQ("FFFFFFFE", Apply('-', "5", "7"));
  EXPECT_EQ("0", Apply('+', "N", "T"));
}

TEST(ExpressionOperatorTest, DivisionByZeroHasNoResult) {
  std::string left = "10";
  EXPECT_FALSE(ApplyOperator('/', left, "0"));
  EXPECT_FALSE(ApplyOperator('/', left, "N"));
  EXPECT_EQ("10", left);
}

TEST(ExpressionOperatorTest, ComparisonsReadSignedSaturatedNumbers) {
  EXPECT_EQ("T", Apply('<', "1E", "1F"));
  EXPECT_EQ("N", Apply('<', "1F", "1F"));
  EXPECT_EQ("T", Apply('>', "20", "1F"));
  EXPECT_EQ("N", Apply('>', "FFFFFFFF", "7FFFFFFF"));
}

TEST(ExpressionOperatorTest, EqualityPadsWithZerosAndHonoursWildcards) {
  EXPECT_EQ("T", Apply('=', "5", "05"));
  EXPECT_EQ("N", Apply('=', "1X", "123"));
  EXPECT_EQ("T", Apply('=', "3S", "37"));
  EXPECT_EQ("T", Apply('=', "X", "0"));
  EXPECT_EQ("T", Apply('=', "47", "XX"));
  EXPECT_EQ("N", Apply('=', "1f", "1F"));
  EXPECT_EQ("T", Apply('=', "", "000"));
}

TEST(ExpressionOperatorTest, LogicalOperatorsChangeOnlyTheFirstCharacter) {
  EXPECT_EQ("T", Apply('&', "T", "T"));
  EXPECT_EQ("N", Apply('&', "T", "N"));
  EXPECT_EQ("T", Apply('|', "N", "T"));
  EXPECT_EQ("N", Apply('|', "N", "N"));
  EXPECT_EQ("NF", Apply('&', "1F", "T"));
  EXPECT_EQ("TF", Apply('|', "1F", "T"));
}

TEST(ExpressionOperatorTest, NoOperatorNoResult) {
  std::string left = "1";
  EXPECT_FALSE(ApplyOperator('%', left, "1"));
  EXPECT_EQ("1", left);
}

}  // namespace
}  // namespace rcv
