#include "dict/record_table.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "dict/placeholder.h"
#include "dict/search_context.h"

namespace rcv {
namespace {

class RecordTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(0, InitRecordTable(context_)); }
  std::string Text(int position) { return context_.records.Texts().at(static_cast<std::size_t>(position)); }

  SearchContext context_;
};

TEST_F(RecordTableTest, QuotesInNamesAndValuesReadBackUnchanged) {
  DefineValue("%Q", "say \"hi\", twice", context_);
  DefineValue("%Q", "\"", context_);
  DefineValue("%A\"B", "v", context_);
  EXPECT_EQ("\"%Q\",\"say \\\"hi\\\", twice\",\"\\\"\"", Text(0));
  EXPECT_EQ("say \"hi\", twice", GetPlaceholder("%Q", 1, context_));
  EXPECT_EQ("\"", GetPlaceholder("%Q", 2, context_));
  EXPECT_EQ(1, FindRecord("%A\"B", context_));
  ASSERT_EQ(0, FindRecord("%Q", context_));
  ReplaceRecordValue("x\"y", context_);
  EXPECT_EQ("\"%Q\",\"x\\\"y\"", Text(0));
  EXPECT_EQ(0U, TakeRecordError(context_));
  // A trailing backslash escapes the closing quote and reads back as a quote.
  DefineValue("%B", "end\\", context_);
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
  DefineValue("%L", std::string(2000, 'v'), context_);
  EXPECT_EQ(std::string(kRecordFieldMax, 'v'), GetRecordField(1, 0, context_));
  EXPECT_EQ(std::string(kRecordFieldMax, 'v'), GetPlaceholder("%L", 1, context_));
}

TEST_F(RecordTableTest, MissingRecordGivesTheNameAndExactlyFlagEight) {
  DefineValue("%FRU", "P", context_);
  GetPlaceholder("%FRU", 5, context_);
  EXPECT_EQ("%NONE", GetPlaceholder("%NONE", 1, context_));
  EXPECT_EQ(kNoSuchRecord, TakeRecordError(context_));
  EXPECT_EQ(0U, RecordTextLength("%NONE", context_));
  EXPECT_EQ(kNoSuchRecord, TakeRecordError(context_));
  EXPECT_EQ(std::string("\"%FRU\",\"P\"").size(), RecordTextLength("%FRU", context_));
}

TEST_F(RecordTableTest, PositionsPastTheEndReadEmptyWithoutFlags) {
  DefineValue("%A", "1", context_);
  EXPECT_EQ("", GetRecordField(1, 5, context_));
  EXPECT_EQ("", GetRecordField(1, -1, context_));
  EXPECT_EQ(0U, TakeRecordError(context_));
  EXPECT_EQ("%A", GetRecordField(0, 0, context_));
  EXPECT_EQ(-1, FindRecord("%B", context_));
  // With no record selected there is nothing to change.
  EXPECT_EQ(-1, ReplaceRecordValue("x", context_));
  EXPECT_EQ(-1, AppendRecordValue("x", context_));
}

TEST_F(RecordTableTest, DeleteKeepsTheOrderAndTheTail) {
  DefineValue("%A", "1", context_);
  DefineValue("%B", "2", context_);
  DefineValue("%C", "3", context_);
  EXPECT_EQ(-1, DeleteRecord("%NONE", context_));
  EXPECT_EQ(0, DeleteRecord("%C", context_));
  DefineValue("%D", "4", context_);
  EXPECT_EQ(3, context_.records.Count());
  EXPECT_EQ("\"%D\",\"4\"", Text(2));
  EXPECT_EQ(0, DeleteRecord("%B", context_));
  // The cursor stays on the record before the removed one.
  EXPECT_EQ(0, AppendRecordValue("5", context_));
  EXPECT_EQ("\"%A\",\"1\",\"5\"", Text(0));
  EXPECT_EQ(0, DeleteRecord("%A", context_));
  EXPECT_EQ(-1, AppendRecordValue("6", context_));
  EXPECT_EQ(1, context_.records.Count());
}

}  // namespace
}  // namespace rcv
