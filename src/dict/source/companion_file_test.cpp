#include "dict/source/companion_file.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace rcv {
namespace {

using Pieces = std::vector<std::string>;

TEST(TextLineReaderTest, LinesKeepTheirEndsAndLongOnesComeInPiecesOfTheBufferLessOne) {
  const std::tuple<std::string, std::size_t, Pieces> cases[] = {
      {"a\n\nb\r\nc", 256, {"a\n", "\n", "b\r\n", "c"}},
      {"", 256, {}},
      {"abcdef\ng", 5, {"abcd", "ef\n", "g"}},
      {"abcd\n", 5, {"abcd", "\n"}},
      {std::string("ab\0cd\nnext\n", 11), 256, {"ab", "next\n"}},  // a NUL byte ends the piece text
  };
  for (const auto& [text, bufferSize, expected] : cases) {
    EXPECT_EQ(expected, SplitCompanionPieces(text, bufferSize)) << text;
  }
}

}  // namespace
}  // namespace rcv
