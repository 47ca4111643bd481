#include "dict/text_line_reader.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "fixture/fixture_tree.h"

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
    fixture::FixtureTree tree;
    tree.WriteFile("f.txt", text);
    TextLineReader reader((tree.root() / "f.txt").string(), bufferSize);
    Pieces pieces;
    for (std::string piece; reader.ReadLine(piece);) pieces.push_back(piece);
    EXPECT_EQ(expected, pieces) << text;
  }
}

TEST(TextLineReaderTest, OnlyRegularFilesOpen) {
  fixture::FixtureTree tree;
  tree.WriteFile("sub/f.txt", "x\n");
  EXPECT_TRUE(TextLineReader((tree.root() / "sub/f.txt").string()).IsOpen());
  EXPECT_FALSE(TextLineReader((tree.root() / "sub").string()).IsOpen());
  EXPECT_FALSE(TextLineReader((tree.root() / "missing").string()).IsOpen());
}

}  // namespace
}  // namespace rcv
