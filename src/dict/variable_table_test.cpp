#include "dict/variable_table.h"

#include <gtest/gtest.h>

#include "dict/search_context.h"

namespace rcv {
namespace {

TEST(VariableTableTest, SetGetAndReplace) {
  SearchContext context;
  EXPECT_EQ(std::nullopt, GetVariable("G", context));
  SetVariable("G", "1", context);
  SetVariable("ab", "2", context);
  EXPECT_EQ("1", GetVariable("G", context));
  EXPECT_EQ("2", GetVariable("ab", context));
  SetVariable("G", "F", context);
  EXPECT_EQ("F", GetVariable("G", context));
  EXPECT_EQ(2U, context.variables.Size());
}

TEST(VariableTableTest, NamesCompareExactly) {
  SearchContext context;
  SetVariable("ab", "1", context);
  EXPECT_EQ(std::nullopt, GetVariable("AB", context));
  EXPECT_EQ(std::nullopt, GetVariable("a", context));
  SetVariable("", "empty name", context);
  EXPECT_EQ("empty name", GetVariable("", context));
  SetVariable("a long name of any length", "", context);
  EXPECT_EQ("", GetVariable("a long name of any length", context));
}

TEST(VariableTableTest, BucketHashCountsHighBytesAsNegative) {
  EXPECT_EQ(0U, VariableTable::BucketOf(""));
  EXPECT_EQ(('G' + 0U) % 15, VariableTable::BucketOf("G"));
  EXPECT_EQ(('a' * 31U + '1') % 15, VariableTable::BucketOf("a1"));
  // 0x80 reads as -128: h = 2^32 - 128.
  EXPECT_EQ((0x100000000ULL - 128) % 15, VariableTable::BucketOf("\x80"));
  EXPECT_EQ(((0x100000000ULL - 1) * 31 + 'A') % 0x100000000ULL % 15, VariableTable::BucketOf("\xFF" "A"));
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
