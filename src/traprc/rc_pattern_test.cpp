#include "traprc/rc_pattern.h"

#include <gtest/gtest.h>

#include <cctype>

namespace rcv {
namespace {

struct ParseCase {
  std::string_view text;
  RcPatternCheck check;
  std::string_view value = "";  // as FormatReferenceCode shows them
  std::string_view mask = "";
  char bad = 0;
};

TEST(RcPatternTest, ParsesTypedPatternsAndFormatsThemBackAsTyped) {
  const ParseCase cases[] = {
      {"12 3456 78 9ABCDEF0 12345678", RcPatternCheck::kOk, "12 3456 78 9ABCDEF0 12345678",
       "FF FFFF FF FFFFFFFF FFFFFFFF"},
      {"12XXXX78XXXXXXXX000000XX", RcPatternCheck::kOk, "12 0000 78 00000000 00000000", "FF 0000 FF 00000000 FFFFFF00"},
      {"\tab cdef\n0x x0 123456 789abcdx ", RcPatternCheck::kOk, "AB CDEF 00 00123456 789ABCD0",
       "FF FFFF F0 0FFFFFFF FFFFFFF0"},
      {" \t \n", RcPatternCheck::kNothing},
      {"12 3456 78 9ABCDEF0 123456789", RcPatternCheck::kBadLength},
      {"12 3456 78 9ABCDEF0 1234567y", RcPatternCheck::kBadCharacter, "", "", 'Y'},
  };
  for (const ParseCase& c : cases) {
    RcPattern pattern;
    char bad = 0;
    EXPECT_EQ(c.check, ParseRcPattern(c.text, pattern, bad)) << c.text;
    EXPECT_EQ(c.bad, bad) << c.text;
    if (c.check != RcPatternCheck::kOk) continue;
    EXPECT_EQ(c.value, FormatReferenceCode(pattern.value)) << c.text;
    EXPECT_EQ(c.mask, FormatReferenceCode(pattern.mask)) << c.text;
    std::string typed;
    for (char ch : c.text) {
      if (ch != ' ' && ch != '\t' && ch != '\n') typed += static_cast<char>(std::toupper(ch));
    }
    EXPECT_EQ(typed, FormatRcPattern(pattern)) << c.text;
  }
}

TEST(RcPatternTest, ShowsXOnlyWhereValueAndMaskDigitAreBothZero) {
  // As another writer may leave them: a free digit with a value, a mask
  // digit that is neither F nor 0.
  const RcPattern pattern{{0x50, 0x00, 0x00, 0x0A}, {0x0F, 0x70, 0x00, 0x00}};
  EXPECT_EQ("500XXXXAXXXXXXXXXXXXXXXX", FormatRcPattern(pattern));
}

}  // namespace
}  // namespace rcv
