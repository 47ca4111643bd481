#include "dict/interp/statement.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

TEST(StatementTableTest, KeywordsCompareExactlyAfterOneTrailingOddByteIsDropped) {
  const std::pair<const char*, StatementCode> cases[] = {
      {"RC-CODE", kRcCodeStatement}, {"\\IFDEF", kEndIfdefStatement}, {"SETLANG", kSetLangStatement},
      {"IFDEF1", kUnknownStatement}, {"rem", kUnknownStatement},      {" EXIT", kUnknownStatement},
      {"", kRemStatement},           {"\r", kRemStatement},           {"EXIT\r", kExitStatement},
      {"EXIT\x90", kExitStatement},  {"EXIT\r\r", kUnknownStatement},
  };
  for (const auto& [keyword, code] : cases) EXPECT_EQ(code, ClassifyKeyword(keyword)) << keyword;
  EXPECT_EQ(RunComment, FindStatementRow(kCmtFileStatement)->requiredMode);
}

}  // namespace
}  // namespace rcv
