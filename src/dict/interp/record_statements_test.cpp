#include "dict/interp/record_statements.h"

#include <gtest/gtest.h>

#include "dict/expr/placeholder.h"
#include "support/statement_test_context.h"

namespace rcv {
namespace {

using Lines = std::vector<std::string>;

TEST(CommentStatementTest, RepeatedCommentsBuildAListThatSetReplacesWithBraceTermsExpanded) {
  StatementTestContext script({"COMMENT,%MSG,A", "COMMENT,%MSG,B", "SET,%MSG,C", "SET,$G,1", "SET,$H,F",
                               "COMMENT,%UNIT,CPU{GH}", "COMMENT,%MSG,at {%UNIT}"});
  script.Run(0);
  script.Run(1);
  EXPECT_EQ((Lines{"\"%MSG\",\"A\",\"B\""}), script.Records());
  for (std::size_t i = 2; i < 7; ++i) script.Run(i);
  EXPECT_EQ((Lines{"\"%MSG\",\"C\",\"at CPU1F\"", "\"%UNIT\",\"CPU1F\""}), script.Records());
}

TEST(CommentStatementTest, NewRecordIsCutToItsBufferWithItsClosingQuote) {
  // "%MSG","" takes 9 of the 255 characters.
  StatementTestContext script({"COMMENT,%MSG," + std::string(300, 'x'), "COMMENT,%MSG,more", "SET,%Q,x{%QUOTES}"});
  script.Run(0);
  ASSERT_EQ(1u, script.Records().size());
  EXPECT_EQ(kNewRecordTextMax, script.Records()[0].size());
  EXPECT_EQ(std::string(kNewRecordTextMax - 9, 'x'), GetPlaceholder("%MSG", 1, script.context));
  script.Run(1);
  EXPECT_EQ("more", GetPlaceholder("%MSG", 2, script.context));
  // An escaped quote is never split from its backslash: "%Q","x takes 8,
  // each quote 2, and a 124th quote would pass 255.
  script.context.records.DefineValue("%QUOTES", std::string(300, '"'));
  script.Run(2);
  ASSERT_EQ(3u, script.Records().size());
  EXPECT_EQ(kNewRecordTextMax - 1, script.Records()[2].size());
  EXPECT_EQ("x" + std::string(123, '"'), GetPlaceholder("%Q", 1, script.context));
}

TEST(DefineStatementTest, Tables) {
  struct Case {
    Lines script;
    std::size_t lineLeft;
    Lines records;
    std::string nothingFound;  // "$_N" afterwards; it starts as "7"
  };
  // clang-format off
  const Case cases[] = {
      // the first true row and the continuation rows that follow it
      {{"DEFINE,,%UNIT,%FRU", "REC,1=2,U0,F0", "REC,1=1,U1,F1", "REC,*,U2,F2", "REC, * ,U3,F3", "REC,1=2,U4,F4",
        "REC,*,U5,F5", "\\DEFINE", "REM,after"},
       7, {"\"%UNIT\",\"U1\",\"U2\",\"U3\"", "\"%FRU\",\"F1\",\"F2\",\"F3\""}, "0"},
      {{"DEFINE,,%UNIT", "REC,*,U0", "REC,0,U1", "REC,1=2,U2", "\\DEFINE"}, 4, {}, "1"},
      // blank lines and other starred rows are passed over
      {{"DEFINE,,%UNIT", "REC,1,U1", "", ",", "REC,**,U2", "REC,1*,U3", "REC,*,U4", "\\DEFINE"},
       7, {"\"%UNIT\",\"U1\",\"U4\""}, "0"},
      // a foreign line breaks the block and leaves "$_N" alone
      {{"DEFINE,,%UNIT", "REC,1,U1", "SET,%X,1", "\\DEFINE"}, 2, {"\"%UNIT\",\"U1\""}, "7"},
      // without its end the block consumes the rest; the end keyword need only begin the field
      {{"DEFINE,,%UNIT", "REC,1,U1", "REC,1,U2"}, kBlockLineLimit + 1, {"\"%UNIT\",\"U1\""}, "0"},
      {{"DEFINE,,%UNIT", "REC,1,U1", "REC,1,U2", "REM", "\\DEFINEx"}, 4, {"\"%UNIT\",\"U1\""}, "0"},
      // surplus values go to a record with an empty name; an empty value is
      // still a value; quotes of a header name stay part of it
      {{"DEFINE,x,%A,\"%B\"", "REC,1,a,,c", "\\DEFINE"}, 2,
       {"\"%A\",\"a\"", "\"\\\"%B\\\"\",\"\"", "\"\",\"c\""}, "0"},
  };
  // clang-format on
  for (const Case& c : cases) {
    StatementTestContext script(c.script);
    SetVariable("_N", "7", script.context);
    EXPECT_EQ(c.lineLeft, script.Run(0)) << c.script[1];
    EXPECT_EQ(c.records, script.Records()) << c.script[1];
    EXPECT_EQ(c.nothingFound, script.Variable("_N")) << c.script[1];
  }
}

TEST(DefineStatementTest, LongTextsAreCutToTheirBuffers) {
  StatementTestContext script({"DEFINE,,%" + std::string(120, 'N'), "REC,1," + std::string(120, 'v'), "\\DEFINE"});
  script.Run(0);
  EXPECT_EQ(std::string(kDefineTextMax, 'v'),
            GetPlaceholder("%" + std::string(kDefineTextMax - 1, 'N'), 1, script.context));
}

}  // namespace
}  // namespace rcv
