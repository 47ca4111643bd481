#include "rcquery/cursor_file.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

// Cursor files that hold no cursor or can't be written, and what is said.
TEST(CursorFileTest, FilesThatHoldNoCursorOrCanNotBeWritten) {
  fixture::FixtureTree tree;
  const std::string root = tree.root().string() + "/";
  tree.WriteFile("list.json", "[1]");
  tree.WriteFile("torn.json", "{\"rc\":");
  tree.WriteFile("sub/log", "");
  const std::pair<std::string, std::string> loads[] = {
      {"none.json", ""},
      {"sub", "cursor file " + root + "sub can't be read"},
      {"list.json", "cursor file " + root + "list.json holds no cursor (remove it to follow from the logs' start)"},
      {"torn.json", "cursor file " + root + "torn.json holds no cursor (remove it to follow from the logs' start)"},
  };
  for (const auto& [name, error] : loads) {
    std::string said = "<untouched>";
    EXPECT_FALSE(LoadCursorFile(root + name, said).has_value()) << name;
    EXPECT_EQ(error, said);
  }
  EXPECT_EQ("can't create " + root + "gone/c.json.tmp: No such file or directory",
            SaveCursorFile(root + "gone/c.json", Json::object()));
  EXPECT_EQ("can't rename over " + root + "sub: Is a directory", SaveCursorFile(root + "sub", Json::object()));
}

}  // namespace
}  // namespace rcv
