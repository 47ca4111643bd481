#include "dict/source/script_path.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

TEST(ScriptPathTest, DirectoryKeepsItsLastSlashAndFoldingEndsAtControlOrHighBytes) {
  EXPECT_EQ("/opt/x/rcdict/", ScriptDirOf("/opt/x/rcdict/rcdicttbl.csv"));
  EXPECT_EQ("", ScriptDirOf("a.csv"));
  EXPECT_EQ(kScriptPathMax, ScriptDirOf(std::string(600, 'd') + "/a.csv").size());
  const std::pair<std::string, std::string> cases[] = {
      {"/Opt/RcDict\\Unit\\CPU.CSV", "/opt/rcdict/unit/cpu.csv"}, {"Next.csv\r", "next.csv"}, {"A\x83\x41.csv", "a"}};
  for (auto [path, expected] : cases) {
    FoldPath(path);
    EXPECT_EQ(expected, path);
  }
}

// Folding reaches the directory part too, so these folders must have a
// lower-case path of their own.
class FoldedTreeTest : public ::testing::Test {
 protected:
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  std::filesystem::path root_ = std::filesystem::temp_directory_path() / ("rcv-folded-" + std::to_string(::getpid()));
  fixture::FixtureTree tree_{root_};
};

TEST_F(FoldedTreeTest, FallsBackToTheDirectoryAsItIsWhenTheFoldedWholeIsMissing) {
  const std::string root = root_.string();
  const std::string lowerDir = root + "/lower/";
  const std::string upperDir = root + "/Upper/";
  tree_.WriteFile("lower/unit.csv", "REM\n");
  tree_.WriteFile("Upper/unit.csv", "REM\n");
  EXPECT_EQ(lowerDir + "unit.csv", ResolveFoldedPath(lowerDir, "UNIT.CSV"));
  EXPECT_EQ(upperDir + "unit.csv", ResolveFoldedPath(upperDir, "Unit.csv"));
  // the whole path folded comes first when it opens
  tree_.WriteFile("upper/unit.csv", "REM\n");
  EXPECT_EQ(root + "/upper/unit.csv", ResolveFoldedPath(upperDir, "Unit.csv"));
  // neither opens: the path folded as a whole, for the diagnostics
  EXPECT_EQ(root + "/upper/none.csv", ResolveFoldedPath(upperDir, "None.csv"));
  // a folder is not a file to run
  EXPECT_FALSE(CanOpenForReading(lowerDir));
  EXPECT_TRUE(CanOpenForReading(lowerDir + "unit.csv"));
}

}  // namespace
}  // namespace rcv
