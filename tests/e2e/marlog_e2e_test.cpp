// Display MAR in the built program: the index, a record with its logs, and
// every failure on the way, run as the single command "dm".
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "fixture/fixture_tree.h"
#include "fixture/marlog_writer.h"
#include "marlog/mar_record.h"
#include "run_viewer.h"

namespace rcv::e2e {
namespace {

const std::string kPrompt = "Select MARLOG No. [quit] : ";

std::string Index(std::string_view rows) {
  return "---- MARLOG INDEX ----\n\n No. Date       Time     Reason\n"
         "---- ---------- -------- ------------------------------------------------------\n" +
         std::string(rows) + "\n" + kPrompt;
}
const std::string kIndex = Index(
    "  1  2023/12/03 09:00:00 [0002]unknown\n"
    "  2  2023/12/01 10:00:00 [0001]Hardware error\n");

// The detail screen of a record written from `values`.
std::string Detail(const fixture::MarRecordValues& values) {
  std::ostringstream detail;
  const std::vector<std::uint8_t> file = fixture::BuildMarFile(values);
  PrintMarRecord(std::span<const std::uint8_t, kMarRecordSize>(file.data(), kMarRecordSize), TextConversion(), detail);
  return detail.str();
}

class MarlogE2eTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    fixture::WriteCallReasons(tree_, fixture::CallReasonText({{"0001", "Hardware error"}}));
    fixture::WriteMarlogIndex(tree_, fixture::MarlogIndexText({{"20231201", "100000", "0001", "A"},
                                                               {"20231203", "090000", "00021234", "B", "x"}}));
  }
  ViewerRun Dm(const std::string& input) const { return Run({kCeAccessCode, "-o", "dm"}, input); }
  std::string MarPath(std::string_view dir) const { return (fixture::MarDir(tree_) / dir / "MARLOG").string(); }
};

TEST_F(MarlogE2eTest, ChosenRecordShowsItsDetailAndItsLogs) {
  fixture::MarRecordValues values;
  values.attachments = "LOGNAME=\"console\"\n50% %s%d\n---- log end ----\nLOGNAME=\"dmesg\"\nok\n";
  fixture::WriteMarRecord(tree_, "B", values);
  const std::string list = "- Attached log -\n 0 . console\n 1 . dmesg\n\nSelect log No. (0-1, [quit]) : ";
  const std::string again = "\n" + kPrompt;
  EXPECT_EQ((ViewerRun{"\n" + kIndex + again + again + again + again + "\n" + Detail(values) + list +
                           "\nSelect log No. (0-1, [quit]) : " +
                           "\n\n+-----------------+\n| console         |\n+-----------------+\n"
                           "50% %s%d\n---- log end ----\n\nPRESS ENTER KEY\n\n" +
                           list + "\n\n" + kIndex + "\n\n",
                       "", 1}),
            Dm("3\n0\nx\n1a\n1\n2\n0\n\nQ\nquit\n"));
}

TEST_F(MarlogE2eTest, EachFailureHasItsMessage) {
  const std::string marDir = fixture::MarDir(tree_).string() + "/";
  const auto setup = [this](std::string text) { tree_.WriteFile(tree_.MainteData() / "vrk_setup.conf", text); };
  const std::string noMag = fixture::SetupFileText({}).substr(0, fixture::SetupFileText({}).find("[MAG]"));
  const std::string unknown = Index("  1  2023/12/03 09:00:00 [0002]unknown\n  2  2023/12/01 10:00:00 [0001]unknown\n");
  const std::string badName = "\nMAR directory name invalid.\nMARLOG read failed.\n\n";
  const struct {
    std::function<void()> prepare;
    std::string input;
    std::string screen;
  } kCases[] = {
      {[&] { setup(noMag); }, "", "Getting MAR stack num failed.\nNo MARLOG configuration.\n\n"},
      {[&] { setup(noMag + "[MAG]\nMAR_STACK_MAX=abc\n"); }, "",
       "MAR stack num invalid.\nNo MARLOG configuration.\n\n"},
      {[&] { setup(noMag + "[MAG]\nMAR_STACK_MAX=1\n"); }, "2\n",
       Index("  1  2023/12/01 10:00:00 [0001]Hardware error\n") + "\n" + kPrompt + "\n"},
      {[&] { fixture::WriteMarlogIndex(tree_, ""); }, "1\n", Index("") + "\n" + kPrompt + "\n"},
      {[&] { std::filesystem::remove(marDir + "marlog.idx"); }, "",
       marDir + "marlog.idx open error.\nMARLOG not exist.\n\n"},
      {[&] { std::filesystem::remove(tree_.MainteData() / "call_reason.csv"); }, "q\n",
       "Call reason table file open failed.\n" + unknown + "\n\n"},
      {[&] { fixture::WriteCallReasons(tree_, ""); }, "", "Call reason table file invalid.\n" + unknown + "\n"},
      {[] {}, "1\n", kIndex + "\nMAR file open failed.\nMARLOG read failed.\n\n"},
      {[&] { tree_.WriteFile(MarPath("B"), std::string(5119, 'm')); }, "1\n",
       kIndex + "\nMAR file read failed.\nMARLOG read failed.\n\n"},
      {[&] { fixture::WriteMarlogIndex(tree_, "1,20231201,100000,0001,..\n"); }, "1\n",
       Index("  1  2023/12/01 10:00:00 [0001]Hardware error\n") + badName},
      {[&] { fixture::WriteMarlogIndex(tree_, "1,2023,10,0001,   \n"); }, "1\n",
       Index("  1  2023/  /   10:  :   [0001]Hardware error\n") + badName},
  };
  for (const auto& c : kCases) {
    std::filesystem::remove_all(fixture::MarDir(tree_));
    SetUp();
    c.prepare();
    EXPECT_EQ("\n" + c.screen, Dm(c.input).screen) << c.screen;
  }
}

// The rows shown end at a blank line, but the answer is bounded by every
// line of the index: the third line can still be chosen. A record with
// nothing attached ends at the Enter key.
TEST_F(MarlogE2eTest, LinesAfterABlankLineAreHiddenButCanBeChosen) {
  fixture::WriteMarlogIndex(tree_, "1,20231201,100000,0001,A\n\n1,20231203,090000,0002,B\n");
  fixture::WriteMarRecord(tree_, "B", {});
  const std::string index = Index("  1  2023/12/01 10:00:00 [0001]Hardware error\n");
  EXPECT_TRUE(Detail({}).ends_with(" No FRU\n\n"));
  EXPECT_EQ(
      "\n" + index + "\n" + kPrompt + "\n" + Detail({}) + "-- End of data. --\n\nPRESS ENTER KEY\n\n" + index + "\n",
      Dm("4\n3\n\n").screen);
}

// Only a folder name that leaves the MAR folder is refused.
TEST_F(MarlogE2eTest, FolderNamesThatStayInsideTheMarFolderAreFollowed) {
  const std::string badName = "MAR directory name invalid.\nMARLOG read failed.\n\n";
  const struct {
    std::string_view name;
    bool shown;
  } kCases[] = {{".", true},       {"a/b", true},     {"./a//b/", true}, {"..", false},
                {"a/../b", false}, {"../mar", false}, {"/tmp", false}};
  for (const auto& c : kCases) {
    std::filesystem::remove_all(fixture::MarDir(tree_));
    SetUp();
    fixture::WriteMarlogIndex(tree_, "1,20231201,100000,0001," + std::string(c.name) + "\n");
    fixture::WriteMarRecord(tree_, "a/b", {});
    fixture::WriteMarRecord(tree_, ".", {});
    const std::string screen = Dm("1\n\n").screen;
    EXPECT_EQ(c.shown, screen.find("-- End of data. --") != std::string::npos) << c.name;
    EXPECT_EQ(!c.shown, screen.ends_with(badName)) << c.name;
  }
}

// Also a long index, oldest first, with room for all of it: it still opens at once.
TEST_F(MarlogE2eTest, JunkFilesNeverCrashHangOrChange) {
  std::string junk, ascending;
  for (int i = 0; i < 20000; ++i) junk += static_cast<char>((i * 131 + 7) % 256);
  for (int i = 0; i < 50000; ++i) ascending += "1,20231201," + std::to_string(100000 + i) + ",0001,B\n";
  for (const std::string& index : {std::string(3'000'000, 'x'), junk, "1,1,1,1,B\n" + junk, ascending}) {
    for (const std::string& mar : {std::string(), std::string(1, 'm'), std::string(5120, '\xFF') + junk}) {
      SetUp();
      tree_.WriteSetup({.marStackMax = "9999999"});
      fixture::WriteMarlogIndex(tree_, index);
      tree_.WriteFile(MarPath("B"), mar);
      const ViewerRun run = Dm("1\n0\n\n\n\n");
      EXPECT_EQ(1, run.exitStatus);
      EXPECT_EQ(index, tree_.ReadFile(fixture::MarDir(tree_) / "marlog.idx"));
      EXPECT_EQ(mar, tree_.ReadFile(MarPath("B")));
    }
  }
}

}  // namespace
}  // namespace rcv::e2e
