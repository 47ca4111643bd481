#include "dict/companion_text.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

TEST(TrimSpacesTest, RemovesLeadingBlanksAndTrailingWhiteSpace) {
  // Only blanks count at the front; tabs are part of the text there.
  const std::pair<std::string, std::string> cases[] = {
      {"   /*S101*/ \t\r\n", "/*S101*/"}, {"a b", "a b"}, {" \t\r\n", ""}, {"\tx\t", "\tx"}};
  for (auto [text, expected] : cases) {
    TrimSpaces(text);
    EXPECT_EQ(expected, text);
  }
}

}  // namespace
}  // namespace rcv
