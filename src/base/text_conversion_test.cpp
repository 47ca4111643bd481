#include "base/text_conversion.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rcv {
namespace {

// "Japanese" written in katakana, as Shift-JIS bytes and as UTF-8.
constexpr std::string_view kSjis = "\x83\x57\x83\x83\x83\x70\x83\x6C\x81\x5B\x83\x59";
constexpr std::string_view kUtf8 = "\xE3\x82\xB8\xE3\x83\xA3\xE3\x83\x91\xE3\x83\x8D\xE3\x83\xBC\xE3\x82\xBA";

std::string Convert(const char* lang, std::string_view text) {
  TextConversion conversion;
  conversion.Open(lang);
  std::ostringstream out;
  conversion.ConvertText(text, out);
  return out.str();
}

TEST(TextConversionTest, WithoutAUsableCodeSetTextPassesByteForByte) {
  const std::string raw = std::string(kSjis) + " 100% ok";
  EXPECT_EQ(raw, Convert(nullptr, raw));
  EXPECT_EQ(raw, Convert("ja_JP.", raw));
  EXPECT_EQ(raw, Convert("no_such_codeset", raw));
  EXPECT_EQ(raw, Convert("ja_JP.NO-SUCH-SET", raw));
}

TEST(TextConversionTest, BrokenShiftJisShowsEarlierPassesThenTheError) {
  // The failing pass itself shows nothing of what it converted.
  const std::string shortText = Convert("ja_JP.UTF-8", std::string("ok ") + "\x83");
  EXPECT_TRUE(shortText.starts_with("(ERROR: iconv failed. (")) << shortText;
  EXPECT_TRUE(shortText.ends_with("))")) << shortText;

  const std::string longText = Convert("ja_JP.UTF-8", std::string(300, 'a') + "\x83");
  EXPECT_EQ(std::string(255, 'a') + "(ERROR: iconv failed. (", longText.substr(0, 255 + 23)) << longText;
}

// rcdict replaces each broken byte with U+FFFD, rcquery escapes it; the rest
// still converts.
TEST(TextConversionTest, ShiftJisToUtf8ReplacesEachBrokenByte) {
  const std::string replaced = "\xEF\xBF\xBD";
  EXPECT_EQ(std::string(kUtf8) + "a" + replaced + "b" + replaced,
            ShiftJisToUtf8(std::string(kSjis) + "a\xFF" + "b\x83"));
  EXPECT_EQ(std::string(kUtf8) + "a\\xFFb\\x83",
            ShiftJisToUtf8(std::string(kSjis) + "a\xFF" + "b\x83", Unconvertible::kEscape));
}

}  // namespace
}  // namespace rcv
