// Both programs when their standard output can't be written: a full device
// or a descriptor closed before the start. The failure is reported and the
// status says so, whatever the command.
#include <gtest/gtest.h>

#include "fixture/demo_tree.h"
#include "fixture/fixture_tree.h"
#include "run_viewer.h"

namespace rcv::e2e {
namespace {

TEST(OutputFailureE2eTest, AFailedWriteIsReportedWithItsOwnStatus) {
  fixture::FixtureTree tree;
  fixture::WriteDemoTree(tree.root());
  tree.WriteFile(tree.root() / "work/top.csv", "BOGUS\n");
  const std::string broken = (tree.root() / "work/top.csv").string();
  struct Case {
    std::string_view program;
    std::vector<std::string> args;
    int status;  // when the output is written
  };
  const Case cases[] = {
      {"rcdict", {"cover", "--json"}, 0},
      {"rcdict", {"lookup", "4701001000000001"}, 0},
      {"rcdict", {"--dict", broken, "check"}, 1},
      {"rcdict", {"--help"}, 0},
      {"rcdict", {"--version"}, 0},
      {"rcviewer", {"--help"}, 0},
      {"rcviewer", {"--version"}, 0},
  };
  const std::pair<OutputTarget, std::string> targets[] = {{{"/dev/full"}, "No space left on device"},
                                                          {{std::nullopt}, "Bad file descriptor"}};
  for (const Case& c : cases) {
    const std::string name = std::string(c.program) + " " + testing::PrintToString(c.args);
    EXPECT_EQ(c.status, RunWithOutput(c.program, tree.root().string(), c.args, {"/dev/null"}).exitStatus) << name;
    for (const auto& [target, reason] : targets) {
      const ViewerRun run = RunWithOutput(c.program, tree.root().string(), c.args, target);
      EXPECT_EQ(std::string(c.program) + ": write error: " + reason + "\n", run.errors) << name;
      EXPECT_EQ(3, run.exitStatus) << name;
    }
  }
}

}  // namespace
}  // namespace rcv::e2e
