// The program as an operator meets it: start-up, options, the CE menu.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "fixture/fixture_tree.h"
#include "fixture/marlog_writer.h"
#include "fixture/rc_log_writer.h"
#include "fixture/trap_rc_writer.h"
#include "run_viewer.h"
#include "shell/options.h"
#include "shell/program_version.h"

namespace rcv::e2e {
namespace {

const std::string kCeMenu = "============= RC Viewer <CE Mode> ============\n" + std::string(kIdentity) +
                            "**************** Command Menu ****************\n"
                            " dr  : Display RC\n"
                            " ds  : Display SEL\n"
                            " dm  : Display MAR\n"
                            " tqr : TQR setting\n"
                            " sr  : Save RC\n"
                            " q   : quit\n"
                            "\n"
                            "Select command : ";

class ShellE2eTest : public ViewerTest {
 protected:
  // Every file the commands read: two RCs, an empty trap table, one MARLOG row.
  void WriteMachine() {
    tree_.WriteSetup();
    fixture::WriteRcLog(tree_, fixture::NumberedRcLog(2));
    fixture::WriteTrapRcTable(tree_, {});
    fixture::WriteMarlogIndex(tree_, "1,20231201,100000,0001,B\n");
    fixture::WriteCallReasons(tree_, fixture::CallReasonText({{"0001", "Hardware error"}}));
  }
};

TEST_F(ShellE2eTest, CommandLinesAndMenuWords) {
  const std::string menu = "\n" + kCeMenu + "\n";
  std::string unknownWords = "\n";
  for (int i = 0; i < 5; ++i) unknownWords += kCeMenu + "\ncommand not found.\n";
  const struct {
    std::vector<std::string> args;
    std::string input;
    std::string screen;
  } cases[] = {
      // Only a lower q quits; a word longer than nine characters is cut to
      // nine before the comparison.
      {{kCeAccessCode}, "Q\nDR\n\n dr\nq12345678\nq\n", unknownWords + menu.substr(1)},
      {{"-o", "ds"}, "", "\n"},  // closed to user mode
      {{"-o", "xx"}, "", "\ncommand not found.\n"},
      // Faulty command lines are ignored whole.
      {{kCeAccessCode, "-o"}, "q\n", menu},
      {{kCeAccessCode, "-o", "xx", "-o", "yy"}, "q\n", menu},
      {{kCeAccessCode, "-x"}, "q\n", menu},
      {{kCeAccessCode, "stray"}, "q\n", menu},
      {{kCeAccessCode, "-o", "0123456789"}, "q\n", menu},
  };
  for (const auto& c : cases) {
    EXPECT_EQ((ViewerRun{c.screen, "", 1}), Run(c.args, c.input)) << ::testing::PrintToString(c.args);
  }
}

// Alone, --help and --version answer without reading the machine; in any
// other command line they are a mistyped code or a faulty option, as ever.
TEST_F(ShellE2eTest, HelpAndVersionAnswerOnlyAsTheSoleArgument) {
  std::filesystem::remove_all(tree_.root() / "opt");
  const ViewerRun noIdentity = {
      "Getting RC table path failed.\n",
      "rcviewer: " + (tree_.MainteData() / "vrk_setup.conf").string() + ": No such file or directory\n", 255};
  const std::pair<std::vector<std::string>, ViewerRun> cases[] = {
      {{"--help"}, {std::string(kViewerUsageText), "", 0}},
      {{"--version"}, {"rcviewer " + std::string(ProgramVersion()) + "\n", "", 0}},
      {{"--help", "-o", "sr"}, noIdentity},
      {{"--version", "--version"}, noIdentity},
      {{kCeAccessCode, "--help"}, noIdentity},
  };
  for (const auto& [args, expected] : cases) EXPECT_EQ(expected, Run(args)) << args[0];
}

// Each names the file it failed on and why on standard error.
TEST_F(ShellE2eTest, IdentityFailuresEndWithStatus255) {
  const std::string setup = (tree_.MainteData() / "vrk_setup.conf").string() + ": ";
  const std::string rcrev = (tree_.DictionaryDir() / "rcrev").string() + ": ";
  const struct {
    fixture::SetupValues setup;
    std::string_view rcrev;
    std::vector<std::string> args;
    std::string screen;
    std::string failure;
  } cases[] = {
      {{.confDir = ""},
       "1.23",
       {kCeAccessCode},
       "Getting RC table path failed.\n",
       setup + "CONF_DIR in [COMMON] is empty"},
      {{.code = ""}, "1.23", {}, "Getting CODE failed.\n", setup + "CODE in [COMMON] is empty"},
      {{}, "", {kCeAccessCode, "-o", "ds"}, "Rcrev get failed.\n", rcrev + "file is empty"},
  };
  for (const auto& c : cases) {
    tree_.WriteSetup(c.setup, c.rcrev);
    EXPECT_EQ((ViewerRun{c.screen, "rcviewer: " + c.failure + "\n", 255}), Run(c.args, "q\n"));
  }
}

// A path that exists but is no regular file takes the road of a file that
// opened and then could not be read (its size check, where that comes
// first), and nothing waits on it: each file as a FIFO and as a folder.
TEST_F(ShellE2eTest, SpecialFilesReadAsFilesThatOpenedButCouldNotBeRead) {
  namespace fs = std::filesystem;
  const fs::path marDir = fixture::MarDir(tree_);
  const std::string exported = (tree_.root() / "rc.txt").string();
  const std::string noRows = "---- ---------- -------- ------------------------------------------------------\n\n";
  const std::vector<std::string> ce = {kCeAccessCode};
  const std::vector<std::string> dm = {kCeAccessCode, "-o", "dm"};
  const struct {
    fs::path replaced;
    std::vector<std::string> args;
    std::string input;
    std::string shown;  // found in what the screen showed
    int exitStatus = 1;
  } cases[] = {
      {tree_.MainteData() / "vrk_setup.conf", ce, "", "Getting RC table path failed.\n", 255},
      {tree_.DictionaryDir() / "rcrev", ce, "", "Rcrev get failed.\n", 255},
      {tree_.VrkLogDir() / "rc.log", ce, "dr\n2\ny\n\nq\nq\n", "RC LOG read failed.\nRC LOG not erased.\n"},
      {tree_.VrkLogDir() / "rc.log", {kCeAccessCode, "-o", "sr", "-f", exported}, "", "\nRC LOG read failed.\n"},
      {tree_.DictionaryDir() / "atraprc.tqr", ce, "tqr\n1\nq\nq\n", "Invalid file size.\n\nTRAPRCTBL read failed.\n\n"},
      {marDir / "marlog.idx", dm, "1\n", noRows + "Select MARLOG No. [quit] : \nSelect MARLOG No. [quit] : \n"},
      {tree_.MainteData() / "call_reason.csv", dm, "", "Call reason table file invalid.\n"},
      {marDir / "B" / "MARLOG", dm, "1\n", "MAR file read failed.\nMARLOG read failed.\n"},
  };
  for (const auto& c : cases) {
    for (const bool fifo : {true, false}) {
      WriteMachine();
      fs::remove_all(c.replaced);
      fs::create_directories(c.replaced.parent_path());
      ASSERT_TRUE(fifo ? mkfifo(c.replaced.c_str(), 0600) == 0 : fs::create_directory(c.replaced)) << c.replaced;
      const ViewerRun run = Run(c.args, c.input);
      EXPECT_NE(std::string::npos, run.screen.find(c.shown)) << c.replaced << fifo << "\n" << run.screen;
      EXPECT_EQ(c.exitStatus, run.exitStatus) << c.replaced << fifo;
      EXPECT_FALSE(fs::exists(exported)) << c.replaced << fifo;
      fs::remove_all(c.replaced);
    }
  }
}

// After a failure message on the screen, one line on standard error names
// the file tried and why; a run without failure writes nothing there.
TEST_F(ShellE2eTest, FailuresNameTheirFileAndReasonOnStandardError) {
  namespace fs = std::filesystem;
  const fs::path rcrev = tree_.DictionaryDir() / "rcrev";
  const fs::path rcLog = tree_.VrkLogDir() / "rc.log";
  const fs::path selLog = tree_.VrkLogDir() / "sel.log";
  const fs::path table = tree_.DictionaryDir() / "atraprc.tqr";
  const fs::path mar = fixture::MarDir(tree_) / "B" / "MARLOG";
  const fs::path nowhere = tree_.root() / "no-such-folder" / "rc.txt";
  const std::vector<std::string> ce = {kCeAccessCode};
  const struct {
    fs::path file;
    std::string content;  // "": removed
    std::vector<std::string> args;
    std::string input;
    std::string reason;  // "": nothing on standard error
  } cases[] = {
      {rcLog, "keep", {kCeAccessCode, "-o", "sr"}, "", ""},
      {rcrev, "", ce, "", "No such file or directory"},
      {rcLog, std::string(300, 'r'), {kCeAccessCode, "-o", "sr"}, "", "file is 300 bytes, expected 65568"},
      {nowhere, "", {kCeAccessCode, "-o", "sr", "-f", nowhere.string()}, "", "No such file or directory"},
      {selLog, "", {kCeAccessCode, "-o", "ds"}, "", "No such file or directory"},
      {selLog, std::string(13312, '\0'), {kCeAccessCode, "-o", "ds"}, "", "validity mark is 0x00, expected 0xFF"},
      {mar, std::string(300, 'm'), {kCeAccessCode, "-o", "dm"}, "1\n", "file is 300 bytes, expected 5120"},
      {table, std::string(300, '\xFF'), ce, "tqr\n1\n0\n12 3456 78 9ABCDEF0 12345678\n\nq\nq\n",
       "file is 300 bytes, expected 512"},
      {table, std::string(600, '\xFF'), ce, "tqr\n1\nq\nq\n", "file is 600 bytes, expected at most 512"},
  };
  for (const auto& c : cases) {
    WriteMachine();
    if (c.content.empty()) fs::remove(c.file);
    if (!c.content.empty() && c.content != "keep") tree_.WriteFile(c.file, c.content);
    const ViewerRun run = Run(c.args, c.input);
    EXPECT_EQ(c.reason.empty() ? "" : "rcviewer: " + c.file.string() + ": " + c.reason + "\n", run.errors);
  }
}

}  // namespace
}  // namespace rcv::e2e
