#include "dict/expr/placeholder.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "dict/state/record_table.h"
#include "dict/state/search_context.h"

namespace rcv {
namespace {

class RecordTableTest : public ::testing::Test {
 protected:
  void SetUp() override { context_.records.Init(); }
  std::string Text(int position) { return context_.records.Texts().at(static_cast<std::size_t>(position)); }

  SearchContext context_;
};

TEST_F(RecordTableTest, QuotesInNamesAndValuesReadBackUnchanged) {
  context_.records.DefineValue("%Q", "say \"hi\", twice");
  context_.records.DefineValue("%Q", "\"");
  context_.records.DefineValue("%A\"B", "v");
  EXPECT_EQ("\"%Q\",\"say \\\"hi\\\", twice\",\"\\\"\"", Text(0));
  EXPECT_EQ("say \"hi\", twice", GetPlaceholder("%Q", 1, context_));
  EXPECT_EQ("\"", GetPlaceholder("%Q", 2, context_));
  EXPECT_EQ(1, context_.records.Find("%A\"B"));
  ASSERT_EQ(0, context_.records.Find("%Q"));
  context_.records.ReplaceValue("x\"y");
  EXPECT_EQ("\"%Q\",\"x\\\"y\"", Text(0));
  EXPECT_EQ(0U, context_.records.TakeErrors());
  // A trailing backslash escapes the closing quote and reads back as a quote.
  context_.records.DefineValue("%B", "end\\");
  EXPECT_EQ("\"%B\",\"end\\\"", Text(2));
  EXPECT_EQ("end\"", GetPlaceholder("%B", 1, context_));
}

TEST_F(RecordTableTest, FieldParserFlags) {
  const std::tuple<const char*, int, std::uint32_t> cases[] = {
      {"", 1, kRecordLacksField}, {"\"a\",\"b\"", 3, kRecordLacksField}, {"\"a\"", 9, kFieldBeyondRecordText}};
  for (const auto& [text, field, flag] : cases) {
    std::uint32_t errors = 0;
    EXPECT_EQ("", ParseRecordField(text, field, errors));
    EXPECT_EQ(flag, errors) << text;
  }
  std::uint32_t errors = 0;
  EXPECT_EQ("a", ParseRecordField("\"a\"junk,b", 0, errors));
  EXPECT_EQ("b", ParseRecordField("\"a\"junk,b", 1, errors));
  EXPECT_EQ("", ParseRecordField("\"a\",", 1, errors));
  EXPECT_EQ(0U, errors);
}

TEST_F(RecordTableTest, LongFieldsAreCutAtTheBuffer) {
  context_.records.DefineValue("%L", std::string(2000, 'v'));
  EXPECT_EQ(std::string(kRecordFieldMax, 'v'), context_.records.GetField(1, 0));
  EXPECT_EQ(std::string(kRecordFieldMax, 'v'), GetPlaceholder("%L", 1, context_));
}

TEST_F(RecordTableTest, MissingRecordGivesTheNameAndExactlyFlagEight) {
  context_.records.DefineValue("%FRU", "P");
  GetPlaceholder("%FRU", 5, context_);
  EXPECT_EQ("%NONE", GetPlaceholder("%NONE", 1, context_));
  EXPECT_EQ(kNoSuchRecord, context_.records.TakeErrors());
  EXPECT_EQ(0U, context_.records.TextLength("%NONE"));
  EXPECT_EQ(kNoSuchRecord, context_.records.TakeErrors());
  EXPECT_EQ(std::string("\"%FRU\",\"P\"").size(), context_.records.TextLength("%FRU"));
}

TEST_F(RecordTableTest, PositionsPastTheEndReadEmptyWithoutFlags) {
  context_.records.DefineValue("%A", "1");
  EXPECT_EQ("", context_.records.GetField(1, 5));
  EXPECT_EQ("", context_.records.GetField(1, -1));
  EXPECT_EQ(0U, context_.records.TakeErrors());
  EXPECT_EQ("%A", context_.records.GetField(0, 0));
  EXPECT_EQ(-1, context_.records.Find("%B"));
  // With no record selected there is nothing to change.
  EXPECT_EQ(-1, context_.records.ReplaceValue("x"));
  EXPECT_EQ(-1, context_.records.AppendValue("x"));
}

}  // namespace
}  // namespace rcv
