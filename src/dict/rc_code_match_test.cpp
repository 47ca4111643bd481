#include "dict/rc_code_match.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "dict/search_context.h"

namespace rcv {
namespace {

constexpr std::string_view kRc = "4701A0B2C3D4E5F6";

std::string Var(std::string_view name, const SearchContext& context) {
  return GetVariable(name, context).value_or("<undefined>");
}

TEST(RcCodeMatchTest, PrefixesAndEmptyPatternsMatch) {
  SearchContext context;
  EXPECT_EQ(0, MatchRcCode(kRc, "47", context));
  EXPECT_EQ(0, MatchRcCode(kRc, "", context));
  EXPECT_EQ(0, MatchRcCode("47", "4701A0", context));
  EXPECT_EQ(-1, MatchRcCode(kRc, "48", context));
  EXPECT_EQ(-1, MatchRcCode(kRc, "4701A1", context));
}

TEST(RcCodeMatchTest, BlanksAreSkippedOnBothSides) {
  SearchContext context;
  EXPECT_EQ(0, MatchRcCode(kRc, "4 7 0 1", context));
  EXPECT_EQ(0, MatchRcCode("47 01", " 4701A0", context));
}

TEST(RcCodeMatchTest, LettersCaptureRcCharacters) {
  SearchContext context;
  // X takes the fourth character (the last capture of a letter wins), ab the ninth
  EXPECT_EQ(0, MatchRcCode("47A10000F00E", "47XX0000ab00", context));
  EXPECT_EQ("1", Var("X", context));
  EXPECT_EQ("F", Var("ab", context));
  EXPECT_EQ(-1, MatchRcCode("47A10001F00E", "47XX0000ab00", context));
}

TEST(RcCodeMatchTest, LowerCaseHexLettersNameVariablesInstead) {
  SearchContext context;
  EXPECT_EQ(0, MatchRcCode("4C1", "4a01", context));
  EXPECT_EQ("C", Var("a0", context));
  EXPECT_EQ(-1, MatchRcCode("4C2", "4a01", context));
  // a lower-case letter at the very end names a one-character variable
  EXPECT_EQ(0, MatchRcCode("47", "4z", context));
  EXPECT_EQ("7", Var("z", context));
}

}  // namespace
}  // namespace rcv
