#include "dict/statement_fields.h"

#include <gtest/gtest.h>

#include "dict/statement_test_context.h"

namespace rcv {
namespace {

TEST(RawLineFieldTest, KeepsQuotesEndsAtCommaOrControlByteAndLeavesTheFieldBufferAlone) {
  StatementTestContext script({"DEFINE,,%UNIT,\"%F,RU\",%WEIGHT\r", "C,D"});
  const std::string& buffer = GetLineField(1, 1, script.context);
  EXPECT_EQ("DEFINE", RawLineField(script.context, 0, 0));
  EXPECT_EQ("", RawLineField(script.context, 1, 0));
  EXPECT_EQ("\"%F,RU\"", RawLineField(script.context, 3, 0));
  // A line that ended in "\r\n" keeps its "\r", which is no part of a name.
  EXPECT_EQ("%WEIGHT", RawLineField(script.context, 4, 0));
  EXPECT_EQ("", RawLineField(script.context, 5, 0));
  EXPECT_EQ("", RawLineField(script.context, 0, 7));
  EXPECT_EQ("D", buffer);
}

TEST(ExistingLineFieldTest, TellsAnEmptyFieldFromAMissingOne) {
  StatementTestContext script({"REC,1,,", "REC"});
  EXPECT_EQ("1", ExistingLineField(script.context, 1, 0));
  EXPECT_EQ("", ExistingLineField(script.context, 2, 0));
  EXPECT_EQ("", ExistingLineField(script.context, 3, 0));
  EXPECT_FALSE(ExistingLineField(script.context, 4, 0));
  EXPECT_FALSE(ExistingLineField(script.context, 1, 1));
}

}  // namespace
}  // namespace rcv
