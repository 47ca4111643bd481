#include "dict/interp/run_collectors.h"

#include <gtest/gtest.h>

#include <string>

#include "dict/expr/placeholder.h"
#include "dict/state/record_table.h"
#include "dict/state/search_context.h"

namespace rcv {
namespace {

class RunCollectorsTest : public ::testing::Test {
 protected:
  void SetUp() override { context_.records.Init(); }
  void Define(std::string_view name, std::string_view value) { context_.records.DefineValue(name, value); }
  SearchContext context_;
};

TEST_F(RunCollectorsTest, NameComesFromRcName2OnlyWhenRcNameIsEmpty) {
  Define("%RC-NAME", "");
  Define("%RC-NAME2", "second name");
  Define("%UNIT", "U");
  ScriptOutput output;
  EXPECT_EQ(1, CollectFruRows(output, context_));
  EXPECT_EQ("second name", output.rcName);
}

TEST_F(RunCollectorsTest, RowsStopAtTheOutputsRoom) {
  Define("%RC-NAME", "n");
  for (std::size_t i = 0; i < kScriptOutputRows + 5; ++i) {
    for (std::string_view name : {"%UNIT", "%FRU", "%ACT", "%WEIGHT"}) Define(name, "V");
  }
  ScriptOutput output;
  EXPECT_EQ(static_cast<int>(kScriptOutputRows), CollectFruRows(output, context_));
}

TEST_F(RunCollectorsTest, CommentLinesAreCutAtThePieceBuffer) {
  Define("%RC-NAME2", "title");
  Define("%MSG", std::string(300, 'm'));
  Define("%MSG", "");
  Define("%MSG", "last");
  std::string comment = "old";
  EXPECT_EQ(3, CollectComment(comment, context_));
  EXPECT_EQ("title\n" + std::string(kCommentPieceMax, 'm') + "\n\nlast\n", comment);
}

TEST_F(RunCollectorsTest, AHugeCommentIsCollectedInOnePass) {
  // Two hundred thousand lines: a rescan of the record per line would take
  // hours, one pass takes milliseconds.
  constexpr int kLines = 200000;
  for (int i = 0; i < kLines; ++i) Define("%MSG", i % 2 == 0 ? "" : "x");
  std::string comment;
  EXPECT_EQ(kLines, CollectComment(comment, context_));
  EXPECT_EQ(static_cast<std::size_t>(kLines + kLines / 2), comment.size());
}

}  // namespace
}  // namespace rcv
