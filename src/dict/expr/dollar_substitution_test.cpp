#include "dict/expr/dollar_substitution.h"

#include <gtest/gtest.h>

#include <string>

#include "dict/state/search_context.h"
#include "dict/state/variable_table.h"

namespace rcv {
namespace {

TEST(DollarSubstitutionTest, Substitutes) {
  SearchContext context;
  SetVariable("G", "1", context);
  SetVariable("H", "F", context);
  SetVariable("x0", "7", context);
  SetVariable("_H", "9", context);
  SetVariable("L", std::string(30, '2'), context);
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"$GH", "1F"}, {"$G0", "10"}, {"$AGB", "A1B"}, {"$Gx0", "17"},
      // a group after an element selects bits and ends the walk
      {"$GH(0-3)", "1"}, {"$GH(4-7)", "F"}, {"$G(3)", "1"}, {"$G(4-7)", "0"},
      // so does a character that is no letter or digit; "_" starts an element only at the front
      {"$G_H", "1"}, {"$_H", "9"},
      // the result is cut and the elements are counted
      {"$L", std::string(kDollarResultMax, '2')}, {"$" + std::string(20, 'G'), std::string(kDollarElementMax, '1')},
      {"GH", "GH"},
  };
  // clang-format on
  for (const auto& [token, expected] : cases) {
    std::string text = token;
    EXPECT_TRUE(SubstituteDollar(text, context)) << token;
    EXPECT_EQ(expected, text) << token;
  }
  std::string token = "$GQ";
  EXPECT_FALSE(SubstituteDollar(token, context));
  EXPECT_EQ("$GQ", token);
  token = "$";
  EXPECT_FALSE(SubstituteDollar(token, context));
}

}  // namespace
}  // namespace rcv
