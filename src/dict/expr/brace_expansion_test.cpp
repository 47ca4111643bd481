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

TEST_F(BraceExpansionTest, TermsExamples) {
  context_.records.DefineValue("%UNIT", "CPU0");
  context_.records.DefineValue("%UNIT", "MEM1");
  EXPECT_EQ("1F", ExpandBraceTerm("GH", context_));
  EXPECT_EQ("20", ExpandBraceTerm("GH+1", context_));
  EXPECT_EQ("1", ExpandBraceTerm("GH(0-3)", context_));
  EXPECT_EQ("1", ExpandBraceTerm("GH=1F", context_));
  EXPECT_EQ("1F", ExpandBraceTerm("X:GH", context_));
  EXPECT_EQ("CPU0", Expand("{%UNIT}"));
  EXPECT_EQ("Unit CPU0 at 1F", Expand("Unit {%UNIT} at {GH}"));
  EXPECT_EQ(0U, context_.records.TakeErrors());
  // A missing placeholder is replaced by its name.
  EXPECT_EQ("x %NONE y", Expand("x {%NONE} y"));
  EXPECT_EQ(kNoSuchRecord, context_.records.TakeErrors());
}

TEST_F(BraceExpansionTest, UndefinedVariablesInTerms) {
  EXPECT_EQ("a1", ExpandBraceTerm("a1", context_));
  EXPECT_EQ("0", ExpandBraceTerm("Q", context_));
  SetVariable("a1", "7", context_);
  EXPECT_EQ("71", ExpandBraceTerm("a1G", context_));
  // FFFFFFFE reads back saturated before it is written again.
  EXPECT_EQ("7FFFFFFF", ExpandBraceTerm("1-3", context_));
}

TEST_F(BraceExpansionTest, UnclosedOrTooLongTermsAreCopied) {
  EXPECT_EQ("text {ABC", Expand("text {ABC"));
  const std::string name39(39, 'A');
  EXPECT_EQ(name39, Expand("{" + name39 + "}"));
  const std::string name40(40, 'A');
  EXPECT_EQ("{" + name40 + "}", Expand("{" + name40 + "}"));
  // The "{" and 40 characters are copied; scanning resumes after them.
  EXPECT_EQ("{" + name40 + "1F", Expand("{" + name40 + "{GH}"));
}

TEST_F(BraceExpansionTest, SecondByteOfADoubleByteCharacterStartsNoTerm) {
  EXPECT_EQ("\x83{GH}", Expand("\x83{GH}"));
  EXPECT_EQ("\xE0{1F", Expand("\xE0{{GH}"));
  // clang-format off
  EXPECT_EQ("\x83\x41" "1F", Expand("\x83\x41{GH}"));
  // clang-format on
  // clang-format off
  EXPECT_EQ("\xA0" "1F", Expand("\xA0{GH}"));  // a single-byte kana
  // clang-format on
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
