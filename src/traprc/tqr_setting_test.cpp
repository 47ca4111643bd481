#include "traprc/tqr_setting.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "support/screen_harness.h"

namespace rcv {
namespace {

std::string RunTqr(ViewMode mode = ViewMode::kCe) {
  fixture::ScreenHarness harness("2\n", mode);
  Screen screen = harness.screen();
  EXPECT_EQ(mode == ViewMode::kCe ? -1 : 1, TqrSetting(screen));
  return harness.shown();
}

TEST(TqrSettingTest, ReadsTheTableFolderFromTheSetupFileOnEveryEntry) {
  fixture::FixtureTree tree;
  tree.Activate();
  EXPECT_EQ("", RunTqr(ViewMode::kUser));
  EXPECT_EQ("Getting threshold table path failed.\n", RunTqr());
  fixture::SetupValues setup;
  setup.confDir = "elsewhere";
  tree.WriteFile(tree.MainteData() / "vrk_setup.conf", fixture::SetupFileText(setup));
  EXPECT_NE(std::string::npos, RunTqr().find("Open error. (No such file or directory)\n  FILE:" +
                                             (tree.DictionaryDir("elsewhere") / "atraprc.tqr").string()));
}

}  // namespace
}  // namespace rcv
