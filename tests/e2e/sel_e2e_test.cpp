// Display SEL through the menu and the SEL export of "-o ds".
#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "fixture/sel_log_writer.h"
#include "run_viewer.h"

namespace rcv::e2e {
namespace {

constexpr std::string_view kHeading =
    "date/time           RID  RT GID  ER ST/# ET Event \n"
    "------------------  ---- -- ---- -- ---- -- ------\n";

class SelE2eTest : public ViewerTest {
 protected:
  void WriteLog(const fixture::SelLogValues& values) {
    tree_.WriteFile(tree_.VrkLogDir() / "sel.log", fixture::BuildSelLog(values));
  }
};

TEST_F(SelE2eTest, ExportWithoutFileListsOnTheTerminalWithoutPause) {
  fixture::SelLogValues values;
  values.newestIndex = 0;
  values.slots = {{.recordId = 0x0001, .timestamp = 0x20000001}};
  WriteLog(values);
  EXPECT_EQ((ViewerRun{"\n" + std::string(kHeading) + "87/01/05 18:48:33   0100 02 2000 04 0000 00 000000\n" +
                           "--- End of data. ---\n\n",
                       "", 1}),
            Run({kCeAccessCode, "-o", "ds"}));
}

TEST_F(SelE2eTest, FailedExportKeepsTheEarlierExport) {
  const std::string file = (tree_.root() / "sel.txt").string();
  tree_.WriteFile(file, "earlier export\n");
  const ViewerRun missing = Run({kCeAccessCode, "-o", "ds", "-f", file});
  EXPECT_EQ("\nSEL LOG open failed.\n\n", missing.screen);
  EXPECT_EQ(1, missing.exitStatus);
  tree_.WriteFile(tree_.VrkLogDir() / "sel.log", "short");
  const ViewerRun cut = Run({kCeAccessCode, "-o", "ds", "-f", file});
  EXPECT_EQ("\nSEL LOG read failed.\n\n", cut.screen);
  EXPECT_EQ("earlier export\n", tree_.ReadFile(file));
}

}  // namespace
}  // namespace rcv::e2e
