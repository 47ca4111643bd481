#include "traprc/tqr_setting.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "fixture/screen_harness.h"
#include "fixture/trap_rc_writer.h"

namespace rcv {
namespace {

std::string RunTqr(const std::string& input, ViewMode mode = ViewMode::kCe, int expected = -1) {
  fixture::ScreenHarness harness(input, mode);
  Screen screen = harness.screen();
  EXPECT_EQ(expected, TqrSetting(screen));
  return harness.shown();
}

TEST(TqrSettingTest, ReadsTheTableFolderFromTheSetupFileOnEveryEntry) {
  fixture::FixtureTree tree;
  tree.Activate();
  EXPECT_EQ("", RunTqr("1\n", ViewMode::kUser, 1));
  EXPECT_EQ("Getting threshold table path failed.\n", RunTqr("1\n"));

  fixture::SetupValues setup;
  setup.confDir = "elsewhere";
  tree.WriteFile(tree.MainteData() / "vrk_setup.conf", fixture::SetupFileText(setup));
  const std::string missing =
      "Open error. (No such file or directory)\n  FILE:" + (tree.DictionaryDir("elsewhere") / "atraprc.tqr").string() +
      "\nTRAPRCTBL read failed.\n";
  EXPECT_NE(std::string::npos, RunTqr("2\n").find(missing));

  fixture::WriteTrapRcTable(tree, {{0x80, {0x01, 0x0203, 0x04, 0x63, 0x0A0B0C0D}}}, "elsewhere");
  EXPECT_NE(std::string::npos, RunTqr("2\n").find("   0    01     0203  04   00000063 0A0B0C0D\n"));
}

}  // namespace
}  // namespace rcv
