#include "dict/dollar_substitution.h"

#include <gtest/gtest.h>

#include <string>

#include "dict/search_context.h"
#include "dict/variable_table.h"

namespace rcv {
namespace {

class DollarSubstitutionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetVariable("G", "1", context_);
    SetVariable("H", "F", context_);
    SetVariable("x0", "7", context_);
  }
  std::string Substitute(std::string token) {
    EXPECT_TRUE(SubstituteDollar(token, context_)) << token;
    return token;
  }

  SearchContext context_;
};

TEST_F(DollarSubstitutionTest, SplicesVariablesAndDigits) {
  EXPECT_EQ("1F", Substitute("$GH"));
  EXPECT_EQ("10", Substitute("$G0"));
  EXPECT_EQ("A1B", Substitute("$AGB"));
  EXPECT_EQ("17", Substitute("$Gx0"));
}

TEST_F(DollarSubstitutionTest, GroupAfterAnElementSelectsBitsAndEndsTheWalk) {
  EXPECT_EQ("1", Substitute("$GH(0-3)"));
  EXPECT_EQ("F", Substitute("$GH(4-7)"));
  EXPECT_EQ("1", Substitute("$G(3)"));
  EXPECT_EQ("0", Substitute("$G(4-7)"));
}

TEST_F(DollarSubstitutionTest, WalkEndsAtACharacterThatIsNoLetterOrDigit) {
  EXPECT_EQ("1", Substitute("$G_H"));
  // A "_" starts an element only at the front.
  SetVariable("_H", "9", context_);
  EXPECT_EQ("9", Substitute("$_H"));
}

TEST_F(DollarSubstitutionTest, UndefinedVariableFailsAndKeepsTheToken) {
  std::string token = "$GQ";
  EXPECT_FALSE(SubstituteDollar(token, context_));
  EXPECT_EQ("$GQ", token);
  token = "$";
  EXPECT_FALSE(SubstituteDollar(token, context_));
}

TEST_F(DollarSubstitutionTest, ResultIsCutAndElementsAreCounted) {
  SetVariable("L", std::string(30, '2'), context_);
  EXPECT_EQ(std::string(kDollarResultMax, '2'), Substitute("$L"));
  EXPECT_EQ(std::string(kDollarElementMax, '1'), Substitute("$" + std::string(20, 'G')));
}

TEST_F(DollarSubstitutionTest, LeavesOtherTokensAlone) { EXPECT_EQ("GH", Substitute("GH")); }

}  // namespace
}  // namespace rcv
