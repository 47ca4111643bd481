#include "dict/expr/brace_expansion.h"

#include <gtest/gtest.h>

#include <string>

#include "dict/expr/expression.h"
#include "dict/expr/placeholder.h"
#include "dict/state/record_table.h"
#include "dict/state/search_context.h"
#include "dict/state/variable_table.h"

namespace rcv {
namespace {

class BraceExpansionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    context_.records.Init();
    SetVariable("G", "1", context_);
    SetVariable("H", "F", context_);
  }
  std::string Expand(std::string text) {
    ExpandBraces(text, context_);
    return text;
  }

  SearchContext context_;
};

// A term is an expression whose result replaces it; a placeholder gives
// its first value, or its name when it is missing; a term left unclosed or
// over 39 characters is copied, and so is a brace that is the second byte of
// a double-byte character.
TEST_F(BraceExpansionTest, Terms) {
  context_.records.DefineValue("%UNIT", "CPU0");
  context_.records.DefineValue("%UNIT", "MEM1");
  EXPECT_EQ("a1", ExpandBraceTerm("a1", context_));  // an undefined variable that is no number
  SetVariable("a1", "7", context_);
  const std::string name39(39, 'A'), name40(40, 'A');
  const std::pair<std::string, std::string> terms[] = {
      {"GH", "1F"}, {"GH+1", "20"}, {"GH(0-3)", "1"},    {"GH=1F", "1"}, {"X:GH", "1F"},
      {"Q", "0"},   {"a1G", "71"},  {"1-3", "7FFFFFFF"},  // FFFFFFFE reads back saturated before it is written again
  };
  for (const auto& [term, expected] : terms) EXPECT_EQ(expected, ExpandBraceTerm(term, context_)) << term;
  // clang-format off
  const std::pair<std::string, std::string> texts[] = {
      {"Unit {%UNIT} at {GH}", "Unit CPU0 at 1F"}, {"text {ABC", "text {ABC"}, {"{" + name39 + "}", name39},
      {"{" + name40 + "}", "{" + name40 + "}"},
      {"{" + name40 + "{GH}", "{" + name40 + "1F"},  // scanning resumes after the 40 copied characters
      {"\x83{GH}", "\x83{GH}"}, {"\xE0{{GH}", "\xE0{1F"}, {"\x83\x41{GH}", "\x83\x41" "1F"},
      {"\xA0{GH}", "\xA0" "1F"},  // a single-byte kana
  };
  // clang-format on
  for (const auto& [text, expected] : texts) EXPECT_EQ(expected, Expand(text)) << text;
  EXPECT_EQ(0U, context_.records.TakeErrors());
  EXPECT_EQ("x %NONE y", Expand("x {%NONE} y"));
  EXPECT_EQ(kNoSuchRecord, context_.records.TakeErrors());
}

TEST_F(BraceExpansionTest, OutputIsCutAtTheBufferAndTextBeyondItDropped) {
  context_.records.DefineValue("%BIG", std::string(1000, 'b'));
  std::string text = "{%BIG}{%BIG}";
  EXPECT_EQ(static_cast<int>(kExpandedTextMax), ExpandBraces(text, context_));
  EXPECT_EQ(std::string(kExpandedTextMax, 'b'), text);
  text = "{GH}" + std::string(2000, 'c');
  ExpandBraces(text, context_);
  EXPECT_EQ("1F" + std::string(1020, 'c'), text);
  // Without a term a long text stays whole and the old length is returned.
  text = std::string(2000, 'c');
  EXPECT_EQ(2000, ExpandBraces(text, context_));
  EXPECT_EQ(std::string(2000, 'c'), text);
}

TEST_F(BraceExpansionTest, SelfReferenceEndsAtTheNestingLimit) {
  context_.records.DefineValue("%LOOP", "x{%LOOP}");
  EXPECT_EQ(std::string(kBraceNestingMax, 'x') + "x{%LOOP}", GetPlaceholder("%LOOP", 1, context_));
  EXPECT_EQ(0, context_.records.braces.depth);
}

TEST_F(BraceExpansionTest, BranchingSelfReferenceEndsWithinOneSharedBudget) {
  std::string rest;
  for (int i = 1; i < 150; ++i) rest += "{1=%A}";
  context_.records.DefineValue("%A", "{1=%A}" + rest);
  // The first term spends the whole budget deep down (each comparison
  // gives 0); the terms after it are copied as they stand.
  EXPECT_EQ("0" + rest, GetPlaceholder("%A", 1, context_));
  EXPECT_EQ(0, context_.records.braces.depth);
  EXPECT_EQ(0, context_.records.braces.activeCalls);
  // One evaluation shares one budget among its terms: the first spends it
  // and leaves no operand; the others are left as names.
  std::string expression;
  for (int i = 0; i < 16; ++i) expression += "%A ";
  EXPECT_EQ(0, EvalExpression(expression, context_));
  EXPECT_EQ(kExpansionBudget, context_.records.braces.spent);
  EXPECT_EQ(0, context_.records.braces.activeCalls);
  // The next outermost call starts afresh.
  context_.records.DefineValue("%C", "{GH}");
  EXPECT_EQ(1, EvalExpression("%C = 1F", context_));
}

}  // namespace
}  // namespace rcv
