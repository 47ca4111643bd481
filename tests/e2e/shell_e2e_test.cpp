// The program as an operator meets it: start-up, options, the CE menu.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "fixture/fixture_tree.h"
#include "run_viewer.h"
#include "shell/options.h"
#include "shell/program_version.h"

namespace rcv::e2e {
namespace {

constexpr std::string_view kCeMenu =
    "============= RC Viewer <CE Mode> ============\n"
    "MODEL CODE : QX2400 / PRODUCT No. : PQ240-0001\n"
    "MODEL NAME : QX-2400 Enterprise\n"
    "MODEL FRU  : QX24MB01\n"
    "RC DICT    : rcdict/1.23\n"
    "\n"
    "**************** Command Menu ****************\n"
    " dr  : Display RC\n"
    " ds  : Display SEL\n"
    " dm  : Display MAR\n"
    " tqr : TQR setting\n"
    " sr  : Save RC\n"
    " q   : quit\n"
    "\n"
    "Select command : ";

std::string Repeat(std::string_view text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

class ShellE2eTest : public ::testing::Test {
 protected:
  void SetUp() override { tree_.WriteSetup(); }
  ViewerRun Run(const std::vector<std::string>& args, const std::string& input = "") {
    return RunViewer(tree_.root().string(), args, input);
  }
  fixture::FixtureTree tree_;
};

TEST_F(ShellE2eTest, UnknownWordsAreNotFoundAndOnlyLowerQQuits) {
  // A word longer than nine characters is cut to nine before the comparison.
  const ViewerRun run = Run({kCeAccessCode}, "Q\nDR\n\n dr\nq12345678\nq\n");
  const std::string again = std::string(kCeMenu) + "\ncommand not found.\n";
  EXPECT_EQ("\n" + Repeat(again, 5) + std::string(kCeMenu) + "\n", run.screen);
  EXPECT_EQ(1, run.exitStatus);
}

TEST_F(ShellE2eTest, EndOfInputAtTheMenuEndsTheRun) {
  for (const std::string input : {"", "ds\n", "garbage", "\x1B[A\x1B"}) {
    const ViewerRun run = Run({kCeAccessCode}, input);
    EXPECT_EQ(1, run.exitStatus) << input;
  }
}

TEST_F(ShellE2eTest, SelIsClosedToUserMode) {
  const ViewerRun run = Run({"-o", "ds"});
  EXPECT_EQ("\n", run.screen);
  EXPECT_EQ(1, run.exitStatus);
}

TEST_F(ShellE2eTest, SingleCommandThatDoesNotExistIsNotFound) {
  const ViewerRun run = Run({"-o", "xx"});
  EXPECT_EQ("\ncommand not found.\n", run.screen);
  EXPECT_EQ(1, run.exitStatus);
}

TEST_F(ShellE2eTest, FaultyCommandLinesAreIgnoredWhole) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{kCeAccessCode, "-o"},
                                               {kCeAccessCode, "-o", "xx", "-o", "yy"},
                                               {kCeAccessCode, "-x"},
                                               {kCeAccessCode, "stray"},
                                               {kCeAccessCode, "-o", "0123456789"}}) {
    const ViewerRun run = Run(args, "q\n");
    EXPECT_EQ("\n" + std::string(kCeMenu) + "\n", run.screen) << args[1];
    EXPECT_EQ(1, run.exitStatus);
  }
}

// Alone, --help and --version answer without reading the machine; in any
// other command line they are a mistyped code or a faulty option, as ever.
TEST_F(ShellE2eTest, HelpAndVersionAnswerOnlyAsTheSoleArgument) {
  std::filesystem::remove_all(tree_.root() / "opt");
  const std::string noIdentity = "Getting RC table path failed.\n";
  const std::pair<std::vector<std::string>, ViewerRun> cases[] = {
      {{"--help"}, {std::string(kViewerUsageText), "", 0}},
      {{"--version"}, {"rcviewer " + std::string(ProgramVersion()) + "\n", "", 0}},
      {{"--help", "-o", "sr"}, {noIdentity, "", 255}},
      {{"--version", "--version"}, {noIdentity, "", 255}},
      {{kCeAccessCode, "--help"}, {noIdentity, "", 255}},
  };
  for (const auto& [args, expected] : cases) {
    const ViewerRun run = Run(args);
    EXPECT_EQ(expected.screen, run.screen) << args[0];
    EXPECT_EQ(expected.exitStatus, run.exitStatus) << args[0];
  }
}

TEST_F(ShellE2eTest, IdentityFailuresEndWithStatus255) {
  tree_.WriteSetup({.confDir = ""});
  ViewerRun run = Run({kCeAccessCode}, "q\n");
  EXPECT_EQ("Getting RC table path failed.\n", run.screen);
  EXPECT_EQ(255, run.exitStatus);

  tree_.WriteSetup({.code = ""});
  run = Run({}, "");
  EXPECT_EQ("Getting CODE failed.\n", run.screen);
  EXPECT_EQ(255, run.exitStatus);

  tree_.WriteSetup();
  tree_.WriteFile(tree_.DictionaryDir() / "rcrev", "");
  run = Run({kCeAccessCode, "-o", "ds"}, "");
  EXPECT_EQ("Rcrev get failed.\n", run.screen);
  EXPECT_EQ(255, run.exitStatus);

  std::filesystem::remove_all(tree_.root() / "opt");
  run = Run({kCeAccessCode});
  EXPECT_EQ("Getting RC table path failed.\n", run.screen);
  EXPECT_EQ(255, run.exitStatus);
}

// A FIFO or a device in place of a start-up file counts as a file that
// can't be opened: the run ends at once with that file's message.
TEST_F(ShellE2eTest, SpecialFilesAtStartUpCountAsUnopenable) {
  namespace fs = std::filesystem;
  const fs::path setup = tree_.MainteData() / "vrk_setup.conf";
  const fs::path rcrev = tree_.DictionaryDir() / "rcrev";
  struct Case {
    fs::path replaced;
    bool fifo;  // else a link to /dev/zero
    std::string_view message;
  };
  for (const Case& c :
       {Case{setup, true, "Getting RC table path failed.\n"}, Case{setup, false, "Getting RC table path failed.\n"},
        Case{rcrev, true, "Rcrev file open error.\n"}, Case{rcrev, false, "Rcrev file open error.\n"}}) {
    tree_.WriteSetup();
    fs::remove(c.replaced);
    if (c.fifo) {
      ASSERT_EQ(0, mkfifo(c.replaced.c_str(), 0600));
    } else {
      fs::create_symlink("/dev/zero", c.replaced);
    }
    const auto start = std::chrono::steady_clock::now();
    const ViewerRun run = Run({kCeAccessCode}, "q\n");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.replaced;
    EXPECT_EQ(c.message, run.screen) << c.replaced;
    EXPECT_EQ(255, run.exitStatus) << c.replaced;
    fs::remove(c.replaced);
  }
}

}  // namespace
}  // namespace rcv::e2e
