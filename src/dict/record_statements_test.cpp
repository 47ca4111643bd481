#include "dict/record_statements.h"

#include <gtest/gtest.h>

#include "dict/placeholder.h"
#include "dict/statement_test_context.h"

namespace rcv {
namespace {

using Lines = std::vector<std::string>;

TEST(CommentStatementTest, RepeatedCommentsBuildAListThatSetReplaces) {
  StatementTestContext script({"COMMENT,%MSG,A", "COMMENT,%MSG,B", "SET,%MSG,C"});
  script.Run(0);
  script.Run(1);
  EXPECT_EQ((Lines{"\"%MSG\",\"A\",\"B\""}), script.Records());
  script.Run(2);
  EXPECT_EQ((Lines{"\"%MSG\",\"C\""}), script.Records());
}

TEST(CommentStatementTest, ValueHasItsBraceTermsExpanded) {
  StatementTestContext script(
      {"SET,$G,1", "SET,$H,F", "COMMENT,%UNIT,CPU{GH}", "COMMENT,%MSG,at {%UNIT}"});
  for (std::size_t i = 0; i < 4; ++i) script.Run(i);
  EXPECT_EQ((Lines{"\"%UNIT\",\"CPU1F\"", "\"%MSG\",\"at CPU1F\""}), script.Records());
}

TEST(CommentStatementTest, NewRecordIsCutToItsBufferWithItsClosingQuote) {
  // "%MSG","" takes 9 of the 255 characters.
  StatementTestContext script(
      {"COMMENT,%MSG," + std::string(300, 'x'), "COMMENT,%MSG,more", "SET,%Q,x{%QUOTES}"});
  script.Run(0);
  ASSERT_EQ(1u, script.Records().size());
  EXPECT_EQ(kNewRecordTextMax, script.Records()[0].size());
  EXPECT_EQ(std::string(kNewRecordTextMax - 9, 'x'), GetPlaceholder("%MSG", 1, script.context));
  script.Run(1);
  EXPECT_EQ("more", GetPlaceholder("%MSG", 2, script.context));
  // An escaped quote is never split from its backslash: "%Q","x takes 8,
  // each quote 2, and a 124th quote would pass 255.
  DefineValue("%QUOTES", std::string(300, '"'), script.context);
  script.Run(2);
  ASSERT_EQ(3u, script.Records().size());
  EXPECT_EQ(kNewRecordTextMax - 1, script.Records()[2].size());
  EXPECT_EQ("x" + std::string(123, '"'), GetPlaceholder("%Q", 1, script.context));
}

TEST(SetStatementTest, DollarNameSetsTheVariableWithoutTheDollar) {
  StatementTestContext script({"SET,$X,5", "SET,$X,{X}6"});
  script.Run(0);
  EXPECT_EQ("5", script.Variable("X"));
  EXPECT_FALSE(script.Variable("$X"));
  script.Run(1);
  EXPECT_EQ("56", script.Variable("X"));
  EXPECT_TRUE(script.Records().empty());
}

TEST(SetStatementTest, OtherNamesAreReportedAndIgnored) {
  StatementTestContext script({"SET,RC-NAME,x"});
  testing::internal::CaptureStdout();
  script.Run(0);
  EXPECT_EQ("Ra_search cmdSet() Unexpected string [RC-NAME]\n",
            testing::internal::GetCapturedStdout());
  EXPECT_TRUE(script.Records().empty());
  EXPECT_FALSE(script.Variable("RC-NAME"));
}

TEST(SetLangStatementTest, LanguageDigitFollowsTheRunMode) {
  const auto languageFor = [](RunMode mode) {
    StatementTestContext script({"SETLANG,$L"}, "", mode);
    script.Run(0);
    return script.Variable("L").value_or("<unset>");
  };
  EXPECT_EQ("2", languageFor(kRcInfoRunMode));
  EXPECT_EQ("1", languageFor(RunLangJp));
  EXPECT_EQ("2", languageFor(RunLangUs));
  EXPECT_EQ("2", languageFor(RunLangJp | RunLangUs));
}

TEST(SetLangStatementTest, TargetWithoutDollarSetsNothing) {
  StatementTestContext script({"SETLANG,L"});
  script.Run(0);
  EXPECT_FALSE(script.Variable("L"));
  EXPECT_FALSE(script.Variable(""));
}

class DefineStatementTest : public ::testing::Test {
 protected:
  // Runs the DEFINE on line 0; returns the line it left.
  std::size_t RunDefine(const Lines& lines) {
    script_ = std::make_unique<StatementTestContext>(lines);
    script_->Run(0);
    return script_->Run(0);
  }
  std::unique_ptr<StatementTestContext> script_;
};

TEST_F(DefineStatementTest, FirstTrueRowAndItsContinuationRows) {
  const Lines lines = {"DEFINE,,%UNIT,%FRU", "REC,1=2,U0,F0", "REC,1=1,U1,F1",
                       "REC,*,U2,F2",        "REC, * ,U3,F3", "REC,1=2,U4,F4",
                       "REC,*,U5,F5",        "\\DEFINE",      "REM,after"};
  StatementTestContext script(lines);
  EXPECT_EQ(7u, script.Run(0));
  EXPECT_EQ((Lines{"\"%UNIT\",\"U1\",\"U2\",\"U3\"", "\"%FRU\",\"F1\",\"F2\",\"F3\""}),
            script.Records());
  EXPECT_EQ("0", script.Variable("_N"));
}

TEST_F(DefineStatementTest, NoTrueRowGivesNothingAndSetsNothingFound) {
  StatementTestContext script({"DEFINE,,%UNIT", "REC,*,U0", "REC,0,U1", "REC,1=2,U2", "\\DEFINE"});
  EXPECT_EQ(4u, script.Run(0));
  EXPECT_TRUE(script.Records().empty());
  EXPECT_EQ("1", script.Variable("_N"));
}

TEST_F(DefineStatementTest, BlankLinesAndOtherStarredRowsArePassedOver) {
  StatementTestContext script(
      {"DEFINE,,%UNIT", "REC,1,U1", "", ",", "REC,**,U2", "REC,1*,U3", "REC,*,U4", "\\DEFINE"});
  EXPECT_EQ(7u, script.Run(0));
  EXPECT_EQ((Lines{"\"%UNIT\",\"U1\",\"U4\""}), script.Records());
}

TEST_F(DefineStatementTest, ForeignLineBreaksTheBlockAndLeavesNothingFoundAlone) {
  StatementTestContext script({"SET,$_N,7", "DEFINE,,%UNIT", "REC,1,U1", "SET,%X,1", "\\DEFINE"});
  script.Run(0);
  EXPECT_EQ(3u, script.Run(1));
  EXPECT_EQ((Lines{"\"%UNIT\",\"U1\""}), script.Records());
  EXPECT_EQ("7", script.Variable("_N"));
}

TEST_F(DefineStatementTest, MissingEndConsumesTheRestOfTheScript) {
  StatementTestContext script({"DEFINE,,%UNIT", "REC,1,U1", "REC,1,U2"});
  EXPECT_EQ(kBlockLineLimit + 1, script.Run(0));
  EXPECT_EQ((Lines{"\"%UNIT\",\"U1\""}), script.Records());
  EXPECT_EQ("0", script.Variable("_N"));
}

TEST_F(DefineStatementTest, EndKeywordNeedOnlyBeginTheField) {
  StatementTestContext script({"DEFINE,,%UNIT", "REC,1,U1", "REC,1,U2", "REM", "\\DEFINEx"});
  EXPECT_EQ(4u, script.Run(0));
}

TEST_F(DefineStatementTest, ColumnsFollowTheHeaderNamesAsTheyStand) {
  // Surplus values go to a record with an empty name; an empty value is
  // still a value; quotes of a header name stay part of it.
  StatementTestContext script({"DEFINE,x,%A,\"%B\"", "REC,1,a,,c", "\\DEFINE"});
  script.Run(0);
  EXPECT_EQ((Lines{"\"%A\",\"a\"", "\"\\\"%B\\\"\",\"\"", "\"\",\"c\""}), script.Records());
}

TEST_F(DefineStatementTest, ConditionsReadCapturedVariables) {
  StatementTestContext script({"SET,$G,4", "SET,$H,7", "DEFINE,,%RC-NAME", "REC,$GH=46,wrong",
                               "REC,$GH=47,right", "\\DEFINE"});
  script.Run(0);
  script.Run(1);
  script.Run(2);
  EXPECT_EQ((Lines{"\"%RC-NAME\",\"right\""}), script.Records());
}

TEST_F(DefineStatementTest, LongTextsAreCutToTheirBuffers) {
  StatementTestContext script(
      {"DEFINE,,%" + std::string(120, 'N'), "REC,1," + std::string(120, 'v'), "\\DEFINE"});
  script.Run(0);
  EXPECT_EQ(std::string(kDefineTextMax, 'v'),
            GetPlaceholder("%" + std::string(kDefineTextMax - 1, 'N'), 1, script.context));
}

}  // namespace
}  // namespace rcv
