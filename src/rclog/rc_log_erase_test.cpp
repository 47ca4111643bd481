#include "rclog/rc_log_erase.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "support/screen_harness.h"

namespace rcv {
namespace {

constexpr const char* kQuestion = "Erase RC LOG ? (y/[n]) : ";

std::string NotErased(const std::string& reason) {
  return kQuestion + ("\n" + reason) + "\nRC LOG not erased.\nPRESS ENTER KEY\n\n";
}

class RcLogEraseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    tree_.Activate();
    fixture::RcLogValues log = fixture::NumberedRcLog(2100);
    log.headerLead = {0x5A, 0xA5};
    log.headerTail.fill(0x3C);
    const std::vector<std::uint8_t> bytes = fixture::RcLogBytes(log);
    image_.assign(bytes.begin(), bytes.end());
  }
  std::filesystem::path LogPath() const { return tree_.VrkLogDir() / "rc.log"; }
  void WriteLog(const std::string& bytes) { tree_.WriteFile(LogPath(), bytes); }
  std::string LogFile() const { return fixture::ReadWholeFile(LogPath()); }

  int Erase(const std::string& input) {
    fixture::ScreenHarness harness(input, ViewMode::kCe);
    Screen screen = harness.screen();
    const int result = EraseRcLog(screen);
    shown_ = harness.shown();
    return result;
  }

  fixture::FixtureTree tree_;
  std::string image_;
  std::string shown_;
};

TEST_F(RcLogEraseTest, AnythingButYesLeavesTheLogAlone) {
  WriteLog(image_);
  for (const char* input : {"n\n", "N\n", "yes\n", "\n", ""}) {
    EXPECT_EQ(1, Erase(input)) << input;
    EXPECT_EQ(image_, LogFile()) << input;
    const std::string echo = *input == '\0' ? "" : "\n";
    EXPECT_EQ(kQuestion + echo, shown_) << input;
  }
}

TEST_F(RcLogEraseTest, MissingCutOrReadOnlyLogIsLeftAsItIs) {
  EXPECT_EQ(-1, Erase("y\n\n"));
  EXPECT_EQ(NotErased("RC LOG open failed."), shown_);
  EXPECT_FALSE(std::filesystem::exists(LogPath()));

  const std::string cut = image_.substr(0, image_.size() - 1);
  WriteLog(cut);
  EXPECT_EQ(-1, Erase("y\n\n"));
  EXPECT_EQ(NotErased("RC LOG read failed."), shown_);
  EXPECT_EQ(cut, LogFile());

  if (geteuid() == 0) return;  // file modes don't bind the superuser
  WriteLog(image_);
  std::filesystem::permissions(LogPath(), std::filesystem::perms::owner_read);
  EXPECT_EQ(-1, Erase("y\n\n"));
  EXPECT_EQ(NotErased("RC LOG open failed."), shown_);
  EXPECT_EQ(image_, LogFile());
}

}  // namespace
}  // namespace rcv
