// The TQR setting screens in the built program: the lists, adding and
// deleting entries with the exact bytes written, and every failure leaving
// the table file as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <utility>

#include "fixture/fixture_tree.h"
#include "fixture/trap_rc_writer.h"
#include "run_viewer.h"

namespace rcv::e2e {
namespace {

namespace fs = std::filesystem;
using fixture::TrapRcRecordValues;

const std::string kTqrMenu =
    "-------- TQR set up Menu --------\n 1 . Setting Trap RC\n 2 . Setting Ignore RC\n q . quit\n\n(1-2, [q]) : \n\n";
// The title, then the menu.
const std::string kTqrEntry = "\n<<TQR setup - display/edit TQR threshold setting.>>\n\n" + kTqrMenu;
constexpr std::string_view kHeading =
    "      RC type  Unit Event Failure  Additional\n"
    "  No. /Enhance  ID  Code  Code     Code      \n"
    " ---- -------- ---- ----- -------- ----------\n";

// Trap, ignore, trap, a kind no screen lists, trap.
const TrapRcRecordValues kTrapFull = {0x00, {0x12, 0x3456, 0x78, 0x9ABCDEF0, 0x12345678}};
const TrapRcRecordValues kIgnoreWild = {0x80, {0x51, 0x0902, 0x10, 0, 0}, {0xFF, 0xFFFF, 0xFF, 0, 0}};
const TrapRcRecordValues kTrapWild = {0x00, {0x12, 0, 0x78, 0, 0}, {0xFF, 0, 0xFF, 0, 0xFFFFFF00}};
const TrapRcRecordValues kOther = {0x05, {0x01, 0x0203, 0x04, 0x63, 0x0A0B0C0D}};
const TrapRcRecordValues kTrapLast = {0x00, {0xE7, 0x0010, 0x02, 0x1000, 0x1}};
const std::vector<TrapRcRecordValues> kTable = {kTrapFull, kIgnoreWild, kTrapWild, kOther, kTrapLast};

// A list screen with its action menu answered.
std::string List(bool trap, std::string_view rows) {
  const std::string name = trap ? "Trap RC" : "Ignore RC";
  const std::string rule = trap ? " +---------+\n" : " +-----------+\n";
  return rule + " | " + name + " |\n" + rule + std::string(kHeading) + std::string(rows) + "\n --- " + name +
         " install ---\n 0 . Add " + name + "\n 1 . Delete " + name + "\n q . quit\n\n(0-1, [q]) : \n\n";
}

std::string Bytes(const std::vector<TrapRcRecordValues>& records) {
  const std::vector<std::uint8_t> bytes = fixture::TrapRcTableBytes(records);
  return std::string(bytes.begin(), bytes.end());
}

class TrapRcE2eTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    fixture::WriteTrapRcTable(tree_, kTable);
  }
  fs::path TablePath() const { return tree_.DictionaryDir() / "atraprc.tqr"; }
  std::string Table() const { return fixture::ReadWholeFile(TablePath()); }
  // Types "tqr", the input and "q"; gives what TQR showed, up to the command
  // menu shown again.
  std::string Tqr(const std::string& input) {
    const ViewerRun run = Run({kCeAccessCode}, "tqr\n" + input + "q\n");
    EXPECT_EQ(1, run.exitStatus);
    const std::size_t from = run.screen.find("Select command : \n") + 18;
    return run.screen.substr(from, run.screen.rfind("============= RC Viewer") - from);
  }
};

constexpr std::string_view kTrapRows =
    "   0    12     3456  78   9ABCDEF0 12345678\n"
    "   1    12     XXXX  78   XXXXXXXX 000000XX\n"
    "   2    E7     0010  02   00001000 00000001\n";

TEST_F(TrapRcE2eTest, AddsATypedPatternAfterTheLastRecord) {
  // Differs from trap row 1 in one digit: a fixed 0 where that one is free.
  // The cut to 33 characters drops only blanks, so the answer stands.
  EXPECT_EQ(kTqrEntry + List(true, kTrapRows) + "Input RC ([q]) : \n\n\n" +
                List(true, std::string(kTrapRows) + "   3    12     XXXX  78   XXXXXXXX 0000000X\n") + kTqrMenu,
            Tqr("1\n0\n12xxxx78 xxxxxxxx 0000000x          \nq\n"));
  std::vector<TrapRcRecordValues> expected = kTable;
  expected.push_back({0x00, {0x12, 0, 0x78, 0, 0}, {0xFF, 0, 0xFF, 0, 0xFFFFFFF0}});
  EXPECT_EQ(Bytes(expected), Table());
}

TEST_F(TrapRcE2eTest, WrongPatternsAndDuplicatesAreRefusedAndNothingIsWritten) {
  const std::string before = Table();
  const std::string shown = Tqr(
      "1\n0\n   \n12 3456 78 9ABCDEF0 1234567\n1 2 3 4 5 6 7 8 9 0123456789012345678\n12G\n" + std::string(40, ' ') +
      "\n1G" + std::string(36, '1') +
      "\n12 3456 78 9ABCDEF0 12345678\n\n"
      "0\n51 0902 10 xxxxxxxx xxxxxxxx\n\nq\n2\n0\n12XXXX78XXXXXXXX000000XX\n\n0\n01 0203 04 00000063 0A0B0C0D\n\nq\n");
  std::size_t at = 0;
  for (std::string_view answer :
       {"Input data is nothing.\n", "Input RC length is invalid.\n\n", "Input RC length is invalid.\n\n",
        "Input RC includes invalid character. (G)\n\n", "Input data is nothing.\n",
        "Input RC includes invalid character. (G)\n\n", "The same RC is already set.\nPRESS",
        "The same RC is already set as Ignore RC.\nPRESS", "The same RC is already set as Trap RC.\nPRESS",
        "The same RC is already set.\nPRESS"}) {
    at = shown.find("Input RC ([q]) : \n\n" + std::string(answer), at);
    EXPECT_NE(std::string::npos, at) << answer;
  }
  EXPECT_EQ(before, Table());
}

TEST_F(TrapRcE2eTest, DeletesAConfirmedRowAndMovesTheLaterRecordsUp) {
  // Digits followed by other characters count when their number is not 0.
  const std::string select = "Select RC No. (0-2, [q]) : \n\n";
  std::string refused;
  for (const char* typed : {"-1", "0A", "3", " "}) refused += select + "Input No. error. (" + typed + ")\n";
  EXPECT_EQ(kTqrEntry + List(true, kTrapRows) + refused + select +
                "12 XXXX 78 XXXXXXXX 000000XX\nDelete above RC? (y/[n]) : \n\n" +
                List(true,
                     "   0    12     3456  78   9ABCDEF0 12345678\n"
                     "   1    E7     0010  02   00001000 00000001\n") +
                kTqrMenu,
            Tqr("1\n1\n-1\n0a\n3\n \n1a\ny\nq\n"));
  EXPECT_EQ(Bytes({kTrapFull, kIgnoreWild, kOther, kTrapLast}), Table());

  const std::string before = Table();
  EXPECT_NE(
      std::string::npos,
      Tqr("2\n1\n0\nn\nq\n")
          .find("Select RC No. (0, [q:quit]) : \n\n51 0902 10 XXXXXXXX XXXXXXXX\nDelete above RC? (y/[n]) : \n\n"));
  EXPECT_EQ(before, Table());
}

TEST_F(TrapRcE2eTest, FullTableRefusesAddsButDeletes) {
  // 15 records of the three kinds, then the same with all 16 in use.
  std::vector<TrapRcRecordValues> records;
  for (std::uint32_t i = 0; i < 16; ++i)
    records.push_back({std::uint8_t(i % 3 == 0 ? 0x00 : i % 3 == 1 ? 0x80 : 0x01), {0, 0, 0, i, i}});
  for (std::size_t used : {15, 16}) {
    const std::vector<TrapRcRecordValues> table(records.begin(), records.begin() + used);
    fixture::WriteTrapRcTable(tree_, table);
    EXPECT_NE(std::string::npos,
              Tqr("1\n0\n\n1\n0\ny\nq\n")
                  .find("(0-1, [q]) : \n\nTrap and Ignore RC setting table is full.\nPRESS ENTER KEY\n\n"));
    EXPECT_EQ(Bytes(std::vector(table.begin() + 1, table.end())), Table()) << used;
  }
}

TEST_F(TrapRcE2eTest, AddAfterAFreeRecordKeepsTheRecordsBehindItOutOfTheTable) {
  TrapRcRecordValues hidden = kTrapLast;
  fixture::WriteTrapRcTable(tree_, {kTrapFull, {0xFF, {0x99}}, hidden});
  EXPECT_NE(std::string::npos, Tqr("1\n0\n51 0902 10 XXXXXXXX XXXXXXXX\nq\n")
                                   .find(List(true,
                                              "   0    12     3456  78   9ABCDEF0 12345678\n"
                                              "   1    51     0902  10   XXXXXXXX XXXXXXXX\n")));
  hidden.kind = 0xFF;
  EXPECT_EQ(Bytes({kTrapFull, {0x00, kIgnoreWild.value, kIgnoreWild.mask}, hidden}), Table());
}

TEST_F(TrapRcE2eTest, EmptyFileListsNothingAndCannotBeUpdated) {
  tree_.WriteFile(TablePath(), "");
  EXPECT_EQ(kTqrEntry + List(true, " ************* No Trap RC *******************\n") +
                "Trap RC not set.\nPRESS ENTER KEY\n\n" +
                List(true, " ************* No Trap RC *******************\n") +
                "Input RC ([q]) : \n\nTRAPRCTBL update failed.\n\n" + kTqrMenu +
                List(false, " ************* No Ignore RC *****************\n") + kTqrMenu,
            Tqr("1\n1\n\n0\n12 3456 78 9ABCDEF0 12345678\n2\nq\n"));
  EXPECT_EQ("", Table());
}

TEST_F(TrapRcE2eTest, UnreadableOrUnwritableTablesAreReportedAndLeftAsTheyWere) {
  const std::string path = TablePath().string();
  const std::string image = Table();
  const struct {
    std::string content;  // "-": none
    std::string shown;
    bool rootWrites = false;  // a read-only mode doesn't stop the superuser
  } cases[] = {
      {"-", "Open error. (No such file or directory)\n  FILE:" + path + "\nTRAPRCTBL read failed.\n\n"},
      {image + "x", "Invalid file size.\n\nTRAPRCTBL read failed.\n\n"},
      {image, "Input RC ([q]) : \n\nTrap RC table file open failed.\nTRAPRCTBL update failed.\n\n", true},
  };
  for (const auto& c : cases) {
    fs::remove_all(path);
    if (c.rootWrites && geteuid() == 0) continue;
    if (c.content.size() > 1) tree_.WriteFile(path, c.content);
    if (c.rootWrites) fs::permissions(path, fs::perms::owner_read);
    const bool readable = c.shown.starts_with("Input");
    EXPECT_TRUE(Tqr(readable ? "1\n0\n51 0902 10 00000000 XXXXXXXX\n" : "1\n").ends_with(c.shown + kTqrMenu))
        << c.shown;
    EXPECT_EQ(c.content.size() > 1 ? c.content : "", fs::is_regular_file(path) ? Table() : "") << c.shown;
  }
}

// Another editor between this screen's load and its save: one that wrote
// the table, one that holds its lock, one that removed it or cut it short.
// Nothing is written over the other editor's work; a table rewritten or
// locked is shown afresh.
TEST_F(TrapRcE2eTest, ATableChangedByAnotherEditorIsNotOverwritten) {
  const std::string changed = "Trap RC table was changed by someone else. Not updated.\n\n";
  const std::string_view theirRows =
      "   0    12     3456  78   9ABCDEF0 12345678\n"
      "   1    E7     0010  02   00001000 00000001\n";
  const std::string failed = "TRAPRCTBL update failed.\n\n";
  const std::string theirs = Bytes({kTrapFull, kIgnoreWild, kTrapLast});
  int lock = -1;
  const struct {
    std::function<void()> meanwhile;
    std::string shown;
    std::string left;  // the table afterwards
  } cases[] = {
      {[&] { tree_.WriteFile(TablePath(), theirs); }, changed + List(true, theirRows), theirs},
      {[&] { flock(lock = open(TablePath().c_str(), O_RDONLY | O_CLOEXEC), LOCK_EX); }, changed + List(true, kTrapRows),
       Bytes(kTable)},
      {[&] { fs::remove(TablePath()); }, failed, ""},
      {[&] { fs::resize_file(TablePath(), 100); }, failed, Bytes(kTable).substr(0, 100)},
  };
  for (const auto& c : cases) {
    fixture::WriteTrapRcTable(tree_, kTable);
    const ViewerRun run = RunViewerPausing(tree_.root().string(), {kCeAccessCode}, "tqr\n1\n0\n",
                                           "Input RC ([q]) : ", c.meanwhile, "AB CDEF 01 23456789 0123456X\nq\nq\nq\n");
    close(std::exchange(lock, -1));
    EXPECT_NE(std::string::npos, run.screen.find("Input RC ([q]) : \n\n" + c.shown)) << run.screen;
    EXPECT_EQ(c.left, fs::exists(TablePath()) ? Table() : "") << c.shown;
  }
}

TEST_F(TrapRcE2eTest, EndOfInputAtAnyPromptQuitsWithoutWriting) {
  const std::string before = Table();
  for (const char* input : {"tqr\n1", "tqr\n1\n0\n", "tqr\n1\n0\n12 3456 78 9ABCDEF0 1234567F", "tqr\n1\n0\n12\n",
                            "tqr\n1\n0\n51 0902 10 XXXXXXXX XXXXXXXX\n", "tqr\n1\n1\n", "tqr\n1\n1\n0\n"}) {
    const ViewerRun run = Run({kCeAccessCode}, input);
    EXPECT_EQ(1, run.exitStatus) << input;
    EXPECT_TRUE(run.screen.ends_with("Select command : ")) << input;
    EXPECT_EQ(before, Table()) << input;
  }
}

}  // namespace
}  // namespace rcv::e2e
