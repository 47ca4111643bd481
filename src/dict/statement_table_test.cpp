#include "dict/statement.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

TEST(StatementTableTest, KeywordsCompareExactlyAndCaseSensitively) {
  EXPECT_EQ(kRcCodeStatement, ClassifyKeyword("RC-CODE"));
  EXPECT_EQ(kEndIfdefStatement, ClassifyKeyword("\\IFDEF"));
  EXPECT_EQ(kSetLangStatement, ClassifyKeyword("SETLANG"));
  EXPECT_EQ(kUnknownStatement, ClassifyKeyword("IFDEF1"));
  EXPECT_EQ(kUnknownStatement, ClassifyKeyword("rem"));
  EXPECT_EQ(kUnknownStatement, ClassifyKeyword(" EXIT"));
}

TEST(StatementTableTest, EmptyKeywordIsARemarkAndOneTrailingOddByteIsDropped) {
  EXPECT_EQ(kRemStatement, ClassifyKeyword(""));
  EXPECT_EQ(kRemStatement, ClassifyKeyword("\r"));
  EXPECT_EQ(kExitStatement, ClassifyKeyword("EXIT\r"));
  EXPECT_EQ(kExitStatement, ClassifyKeyword("EXIT\x90"));
  EXPECT_EQ(kUnknownStatement, ClassifyKeyword("EXIT\r\r"));
}

TEST(StatementTableTest, EveryCodeHasOneRowWithAHandler) {
  for (int code = 1; code <= static_cast<int>(kStatementCount); ++code) {
    const StatementRow* row = FindStatementRow(static_cast<StatementCode>(code));
    ASSERT_NE(nullptr, row) << code;
    EXPECT_NE(nullptr, row->handler);
    EXPECT_EQ(code, ClassifyKeyword(row->keyword));
  }
  EXPECT_EQ(nullptr, FindStatementRow(kUnknownStatement));
  EXPECT_EQ(RunComment, FindStatementRow(kCmtFileStatement)->requiredMode);
}

}  // namespace
}  // namespace rcv
