#include "rclog/rc_log_erase.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "fixture/screen_harness.h"

namespace rcv {
namespace {

constexpr const char* kQuestion = "Erase RC LOG ? (y/[n]) : ";

class RcLogEraseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    tree_.Activate();
    fixture::RcLogValues log = fixture::NumberedRcLog(2100);
    log.headerLead = {0x5A, 0xA5};
    log.headerTail.fill(0x3C);
    image_ = fixture::RcLogBytes(log);
  }
  std::filesystem::path LogPath() const { return tree_.VrkLogDir() / "rc.log"; }
  void WriteLog(const std::string& bytes) { tree_.WriteFile(LogPath(), bytes); }
  std::string Image() const { return std::string(image_.begin(), image_.end()); }
  std::string LogFile() const { return fixture::ReadWholeFile(LogPath()); }

  int Erase(const std::string& input) {
    fixture::ScreenHarness harness(input, ViewMode::kCe);
    Screen screen = harness.screen();
    const int result = EraseRcLog(screen);
    shown_ = harness.shown();
    return result;
  }

  fixture::FixtureTree tree_;
  std::vector<std::uint8_t> image_;
  std::string shown_;
};

TEST_F(RcLogEraseTest, ResetsOnlyTheCountAndTheNextSlot) {
  WriteLog(Image());
  EXPECT_EQ(1, Erase("y\n\n"));
  EXPECT_EQ(std::string(kQuestion) + "\nRC LOG erased.\nPRESS ENTER KEY\n\n", shown_);
  std::string expected = Image();
  ASSERT_EQ(std::string("\x34\x08\x34\x00", 4), expected.substr(2, 4));
  expected.replace(2, 4, std::string(4, '\0'));
  EXPECT_EQ(expected, LogFile());
}

TEST_F(RcLogEraseTest, KeepsATailBeyondTheLog) {
  const std::string tail = "tail bytes the viewer never reads";
  WriteLog(Image() + tail);
  EXPECT_EQ(1, Erase("Y\n\n"));
  std::string expected = Image() + tail;
  expected.replace(2, 4, std::string(4, '\0'));
  EXPECT_EQ(expected, LogFile());
}

TEST_F(RcLogEraseTest, AnythingButYesLeavesTheLogAlone) {
  WriteLog(Image());
  for (const char* input : {"n\n", "N\n", "yes\n", "\n", ""}) {
    EXPECT_EQ(1, Erase(input)) << input;
    EXPECT_EQ(Image(), LogFile()) << input;
    const std::string echo = *input == '\0' ? "" : "\n";
    EXPECT_EQ(kQuestion + echo, shown_) << input;
  }
}

TEST_F(RcLogEraseTest, MissingLogIsNotCreated) {
  EXPECT_EQ(-1, Erase("y\n\n"));
  EXPECT_EQ(std::string(kQuestion) + "\nRC LOG open failed.\nRC LOG not erased.\nPRESS ENTER KEY\n\n", shown_);
  EXPECT_FALSE(std::filesystem::exists(LogPath()));
}

TEST_F(RcLogEraseTest, ShortLogIsLeftAsItIs) {
  const std::string cut = Image().substr(0, image_.size() - 1);
  WriteLog(cut);
  EXPECT_EQ(-1, Erase("y\n\n"));
  EXPECT_EQ(std::string(kQuestion) + "\nRC LOG read failed.\nRC LOG not erased.\nPRESS ENTER KEY\n\n", shown_);
  EXPECT_EQ(cut, LogFile());
}

TEST_F(RcLogEraseTest, ReadOnlyLogIsNotErased) {
  if (geteuid() == 0) GTEST_SKIP() << "file modes don't bind the superuser";
  WriteLog(Image());
  std::filesystem::permissions(LogPath(), std::filesystem::perms::owner_read);
  EXPECT_EQ(-1, Erase("y\n\n"));
  EXPECT_EQ(std::string(kQuestion) + "\nRC LOG open failed.\nRC LOG not erased.\nPRESS ENTER KEY\n\n", shown_);
  EXPECT_EQ(Image(), LogFile());
}

}  // namespace
}  // namespace rcv
