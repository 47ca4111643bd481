#include "marlog/attached_log_screen.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "support/screen_harness.h"

namespace rcv {
namespace {

// The MAR file changed or went between the record's read and the scan.
TEST(AttachedLogScreenTest, AFileThatCannotBeScannedOrReopenedIsReported) {
  fixture::FixtureTree tree;
  const MarConfig config{1, tree.root().string() + "/", ""};
  const std::string path = config.marDir + "R/MARLOG";
  fixture::ScreenHarness harness;
  Screen screen = harness.screen();
  EXPECT_EQ(-1, ShowAttachedLogList(screen, config, "R"));
  tree.WriteFile(path, std::string(5119, 'm'));
  EXPECT_EQ(-1, ShowAttachedLogList(screen, config, "R"));
  ShowAttachedLog(screen, {"syslog", 5120}, path);
  EXPECT_EQ(path + " fopen error.:1\n" + path + " fseek error.:1\nsyslog read failed.\n\n", harness.shown());
}

}  // namespace
}  // namespace rcv
