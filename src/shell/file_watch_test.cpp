#include "shell/file_watch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

// The path of every lookup on a machine: once a file has been quiet for a
// while its identity is trusted, so it is not read again until a rewrite
// changes its times.
TEST(FileWatchTest, QuietFileIsTrustedByItsIdentityUntilRewritten) {
  fixture::FixtureTree tree;
  tree.WriteFile("rcdicttbl.csv", "REM,one\n");
  const std::string path = (tree.root() / "rcdicttbl.csv").string();
  std::this_thread::sleep_for(std::chrono::seconds(kQuietSeconds + 1));
  FileWatch watch;
  std::string image;
  EXPECT_EQ(FileWatch::State::kChanged, watch.Refresh(path, image));
  EXPECT_EQ("REM,one\n", image);
  image.clear();
  EXPECT_EQ(FileWatch::State::kUnchanged, watch.Refresh(path, image));
  EXPECT_EQ("", image);
  tree.WriteFile("rcdicttbl.csv", "REM,two\n");
  EXPECT_EQ(FileWatch::State::kChanged, watch.Refresh(path, image));
  EXPECT_EQ("REM,two\n", image);
}

}  // namespace
}  // namespace rcv
