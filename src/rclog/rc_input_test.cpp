#include "rclog/rc_input.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

constexpr ReferenceCode kUntouched = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
constexpr ReferenceCode kOneToTwelve = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C};

TEST(RcInputTest, AcceptsTheListColumnWithItsBlanksInEitherCase) {
  for (const char* answer : {"01 0203 04 05060708 090A0B0C", "01 0203 04 05060708 090a0b0c", "0102030405060708090A0B0C",
                             " 0 1 02030405060708090A0B0C  "}) {
    ReferenceCode rc = kUntouched;
    EXPECT_EQ(RcInputCheck::kOk, ParseRcInput(answer, rc)) << answer;
    EXPECT_EQ(kOneToTwelve, rc) << answer;
  }
}

TEST(RcInputTest, ChecksTheLengthBeforeTheCharacters) {
  const std::string digits = "0102030405060708090A0B0C";
  const std::pair<std::string, RcInputCheck> cases[] = {
      {digits.substr(0, 23), RcInputCheck::kBadLength},
      {digits + "0", RcInputCheck::kBadLength},
      {"", RcInputCheck::kBadLength},
      {"G" + digits.substr(1), RcInputCheck::kBadCharacter},
      {"G" + digits.substr(2), RcInputCheck::kBadLength},
      {digits.substr(0, 23) + "\t", RcInputCheck::kBadCharacter},
      // Twelve pairs with a blank between each two, cut to 33 characters.
      {"01 02 03 04 05 06 07 08 09 0A 0B 0", RcInputCheck::kBadLength},
  };
  for (const auto& [answer, expected] : cases) {
    ReferenceCode rc = kUntouched;
    EXPECT_EQ(expected, ParseRcInput(answer, rc)) << answer;
    EXPECT_EQ(kUntouched, rc) << answer;
  }
}

TEST(RcInputTest, HexPairIsOneByteHighDigitFirst) {
  EXPECT_EQ(0xAF, HexPairToByte('A', 'f'));
  EXPECT_EQ(0x09, HexPairToByte('0', '9'));
  EXPECT_EQ(0xFF, HexPairToByte('f', 'F'));
}

}  // namespace
}  // namespace rcv
