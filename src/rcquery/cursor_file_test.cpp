#include "rcquery/cursor_file.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "rcquery/log_source.h"

namespace rcv {
namespace {

// What a follow run and the log readers meet on the disk, and what they say.
TEST(CursorFileTest, FilesThatHoldNoCursorOrCanNotBeWritten) {
  fixture::FixtureTree tree;
  const std::string root = tree.root().string() + "/";
  tree.WriteFile("list.json", "[1]");
  tree.WriteFile("torn.json", "{\"rc\":");
  tree.WriteFile("sub/log", "abc");
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
  std::string content;
  EXPECT_EQ(root + "sub/log: too short (3 of 4 bytes)", ReadLogFile(root + "sub/log", 4, content));
  EXPECT_EQ(root + "sub: can't be read (no regular file, or no permission)", ReadLogFile(root + "sub", 0, content));
  EXPECT_EQ("two lines", OneLine("two\nlines\n\n"));
}

}  // namespace
}  // namespace rcv
