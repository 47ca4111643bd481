#include "dict/companion_text.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

std::string Trimmed(std::string text) {
  TrimSpaces(text);
  return text;
}

TEST(TrimSpacesTest, RemovesLeadingBlanksAndTrailingWhiteSpace) {
  EXPECT_EQ("/*S101*/", Trimmed("   /*S101*/ \t\r\n"));
  EXPECT_EQ("a b", Trimmed("a b"));
  EXPECT_EQ("", Trimmed(" \t\r\n"));
  EXPECT_EQ("", Trimmed(""));
}

TEST(TrimSpacesTest, LeadingTabsStay) {
  // Only blanks count at the front; tabs are part of the text there.
  EXPECT_EQ("\tx", Trimmed("\tx\t"));
}

TEST(LineEndTest, CutsAtFirstCarriageReturnOrLineFeed) {
  std::string text = "first\rsecond\n";
  CutAtLineEnd(text);
  EXPECT_EQ("first", text);
  text = "\n";
  CutAtLineEnd(text);
  EXPECT_EQ("", text);
  text = "plain";
  CutAtLineEnd(text);
  EXPECT_EQ("plain", text);
}

TEST(LineEndTest, DropsOneTrailingNewlineOnly) {
  std::string text = "line\r\n\n";
  DropTrailingNewline(text);
  EXPECT_EQ("line\r\n", text);
  DropTrailingNewline(text);
  EXPECT_EQ("line\r", text);
  DropTrailingNewline(text);
  EXPECT_EQ("line\r", text);
}

TEST(CutToLimitTest, KeepsAtMostTheLimit) {
  std::string text = "abcdef";
  CutToLimit(text, 4);
  EXPECT_EQ("abcd", text);
  CutToLimit(text, 10);
  EXPECT_EQ("abcd", text);
  EXPECT_EQ("ab", CutCopy("abc", 2));
}

}  // namespace
}  // namespace rcv
