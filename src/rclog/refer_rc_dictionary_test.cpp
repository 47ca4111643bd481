#include "rclog/refer_rc_dictionary.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rclog/rc_test_support.h"
#include "support/screen_harness.h"

namespace rcv {
namespace {

// Byte 0 of the RC picks the answer: 0xEE is not in the dictionary, 0xEF
// fails the search; otherwise byte 7 is the FRU row count the lookup
// reports, of which at most six are held.
int FruLookup(std::span<const std::uint8_t, kRcKeySize> key, RcInfo& info) {
  if (key[0] == 0xEE) return -3;
  if (key[0] == 0xEF) return -2;
  info.rcName = "FAN_FAIL";
  info.comment = "Fan stopped.\nReplace the fan.\n";
  const int rows = key[7];
  for (int i = 0; i < std::min(rows, 6); ++i) {
    if (i == 0) {
      info.fru.push_back({"", "  ", "FAN0", "FANUNIT_ABCDEFGHIJ"});
    } else {
      info.fru.push_back({"A", "50", "PSU" + std::to_string(i), "POWER"});
    }
  }
  return rows;
}

constexpr const char* kPrompt = "Enter RC ([quit]) :";
constexpr const char* kEnterWait = "PRESS ENTER KEY\n\n";
constexpr const char* kSeparator = "         +---------+-----------------+--------+----------+\n";
constexpr const char* kColumns = "         |   UNIT  |  FRU MNIMONIC   | ACTION | PRIORITY |\n";
constexpr const char* kEnd = "---------- End of data ----------\n";

std::string DetailHead(const std::string& rc) {
  return std::string("\nRC      : ") + rc + "\nRC NAME : FAN_FAIL\n--- COMMENT ---\nFan stopped.\nReplace the fan.\n";
}

std::string TitleLine(int row, int rows) {
  return "FRU(" + std::to_string(row) + "/" + std::to_string(rows) +
         ") +---------+-----------------+--------+----------+\n";
}

std::string BoxBody(int row) {
  return std::string(kColumns) + kSeparator + "         | PSU" + std::to_string(row - 1) +
         "    | POWER           |  A     |   50     |\n" + kSeparator;
}

// What the screen shows; it always returns 1.
std::string Refer(const std::string& input) {
  fixture::ScreenHarness harness(input, ViewMode::kCe);
  Screen screen = harness.screen();
  EXPECT_EQ(1, ReferRcDictionary(screen, FruLookup)) << input;
  return harness.shown();
}

TEST(ReferRcDictionaryTest, NoFruRowsShowNoTable) {
  EXPECT_EQ(std::string(kPrompt) + "\n" + DetailHead("01 0203 04 05060700 090A0B0C") + kEnd + kEnterWait,
            Refer("010203040506070009 0a0b0c\n\n"));
}

// The comment lines are not counted; the first box shows empty and blank
// cells as "-" and cuts the FRU mnemonic at 15 characters.
TEST(ReferRcDictionaryTest, FourBoxesPauseAfterTheTitleOfTheFourth) {
  EXPECT_EQ(std::string(kPrompt) + "\n" + DetailHead("01 0203 04 05060704 090A0B0C") + "\n" + TitleLine(1, 4) +
                kColumns + kSeparator + "         | FAN0    | FANUNIT_ABCDEFG |  -     |   -      |\n" + kSeparator +
                TitleLine(2, 4) + BoxBody(2) + TitleLine(3, 4) + BoxBody(3) + TitleLine(4, 4) +
                "\n!!!!!!!!!! Watch Next Page !!!!!!!!!!\nPRESS ENTER KEY\n\n" + BoxBody(4) + kEnd + kEnterWait,
            Refer("01 0203 04 05060704 090A0B0C\n\n\n"));
}

TEST(ReferRcDictionaryTest, NeverShowsMoreRowsThanTheRecordHolds) {
  const std::string shown = Refer("01 0203 04 05060709 090A0B0C\n\n\n\n");
  EXPECT_NE(std::string::npos, shown.find(TitleLine(6, 6)));
  EXPECT_EQ(std::string::npos, shown.find("FRU(7/"));
  EXPECT_EQ(std::string::npos, shown.find("/9)"));
  // 34 counted lines: the pager starts counting again after its pause.
  EXPECT_EQ(1u, CountOf(shown, "Watch Next Page"));
}

// Twelve pairs apart are 35 characters, of which the answer keeps 33; the
// length is checked before the characters.
TEST(ReferRcDictionaryTest, WrongInputAsksAgainAndLookupFailuresNameTheRc) {
  EXPECT_EQ(
      std::string(kPrompt) + "\nRC length is invalid.\n" + kPrompt + "\nRC length is invalid.\n" + kPrompt +
          "\nInvalid character is contained.\n" + kPrompt + "\nRC Not Hit. ( EE 0203 04 05060708 090A0B0C )\n" +
          kEnterWait,
      Refer("01 02 03 04 05 06 07 08 09 0A 0B 0C\n01G2\n0102030405060708090A0B0G\n EE0203040506070809 0A0B0C\n\n"));
  EXPECT_EQ(std::string(kPrompt) + "\nRC Search error. ( EF 0203 04 05060701 090A0B0C )\n" + kEnterWait,
            Refer("EF 0203 04 05060701 090A0B0C\n\n"));
}

TEST(ReferRcDictionaryTest, QuitEmptyAnswerAndEndOfInputReturn) {
  for (const char* input : {"q\n", "Quit\n", "\n", "01 02"}) {
    const std::string echo = std::string(input) == "01 02" ? "" : "\n";
    EXPECT_EQ(kPrompt + echo + "\n", Refer(input)) << input;
  }
}

}  // namespace
}  // namespace rcv
