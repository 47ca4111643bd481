#include "dict/variable_table.h"

#include <gtest/gtest.h>

#include "dict/search_context.h"

namespace rcv {
namespace {

TEST(VariableTableTest, SetReplaceAndExactNames) {
  SearchContext context;
  EXPECT_EQ(std::nullopt, GetVariable("G", context));
  SetVariable("G", "1", context);
  SetVariable("ab", "2", context);
  SetVariable("G", "F", context);
  EXPECT_EQ("F", GetVariable("G", context));
  EXPECT_EQ("2", GetVariable("ab", context));
  EXPECT_EQ(2U, context.variables.Size());
  EXPECT_EQ(std::nullopt, GetVariable("AB", context));
  EXPECT_EQ(std::nullopt, GetVariable("a", context));
  SetVariable("", "empty name", context);
  EXPECT_EQ("empty name", GetVariable("", context));
  SetVariable("\x80 a long name of any length", "", context);
  EXPECT_EQ("", GetVariable("\x80 a long name of any length", context));
}

TEST(VariableTableTest, ClearAndFreeEmptyTheTable) {
  SearchContext context;
  SetVariable("G", "1", context);
  ClearVariables(context);
  EXPECT_EQ(std::nullopt, GetVariable("G", context));
  SetVariable("H", "1", context);
  FreeVariables(context);
  EXPECT_EQ(0U, context.variables.Size());
  // A table that was copied keeps its own values.
  SetVariable("J", "1", context);
  VariableTable copy = context.variables;
  SetVariable("J", "2", context);
  EXPECT_EQ("1", copy.Get("J"));
}

}  // namespace
}  // namespace rcv
