#include "dict/table_file.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

class TableFileTest : public ::testing::Test {
 protected:
  std::string Find(std::string_view text, std::string_view key) {
    tree_.WriteFile("t.csv", text);
    TextLineReader reader((tree_.root() / "t.csv").string());
    std::string row;
    return FindTableRow(reader, key, row) ? row : "<none>";
  }
  fixture::FixtureTree tree_;
};

TEST_F(TableFileTest, FindsTheFirstRowWithTheKey) {
  EXPECT_EQ("\"47\",MEM,B\n", Find("46,CPU,A\n\"47\",MEM,B\n47,X,Y\n", "47"));
  EXPECT_EQ("<none>", Find("46,CPU,A\n", "47"));
  EXPECT_EQ("<none>", Find("", "47"));
}

TEST_F(TableFileTest, KeyFieldIsComparedInItsFirstNineteenCharacters) {
  const std::string key19(19, 'K');
  EXPECT_EQ(key19 + "Z,v\n", Find(key19 + "Z,v\n", key19));
  EXPECT_EQ("<none>", Find(key19 + "Z,v\n", key19 + "Z"));
}

TEST_F(TableFileTest, UnquotedKeyOfAOneFieldRowKeepsItsLineEnd) {
  EXPECT_EQ("<none>", Find("47\n", "47"));
  EXPECT_EQ("47", Find("47", "47"));
}

}  // namespace
}  // namespace rcv
