#include "dict/text_line_reader.h"

#include <gtest/gtest.h>

#include <vector>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

std::vector<std::string> PiecesOf(std::string_view text, std::size_t bufferSize) {
  fixture::FixtureTree tree;
  tree.WriteFile("f.txt", text);
  TextLineReader reader((tree.root() / "f.txt").string(), bufferSize);
  std::vector<std::string> pieces;
  std::string piece;
  while (reader.ReadLine(piece)) pieces.push_back(piece);
  return pieces;
}

TEST(TextLineReaderTest, LinesKeepTheirLineEnd) {
  EXPECT_EQ((std::vector<std::string>{"a\n", "\n", "b\r\n", "c"}), PiecesOf("a\n\nb\r\nc", 256));
  EXPECT_TRUE(PiecesOf("", 256).empty());
}

TEST(TextLineReaderTest, LongLineComesInPiecesOfTheBufferLessOne) {
  EXPECT_EQ((std::vector<std::string>{"abcd", "ef\n", "g"}), PiecesOf("abcdef\ng", 5));
  EXPECT_EQ((std::vector<std::string>{"abcd", "\n"}), PiecesOf("abcd\n", 5));
}

TEST(TextLineReaderTest, NulByteEndsThePieceText) {
  EXPECT_EQ((std::vector<std::string>{"ab", "next\n"}),
            PiecesOf(std::string("ab\0cd\nnext\n", 11), 256));
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
