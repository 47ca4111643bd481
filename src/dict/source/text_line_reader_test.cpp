#include "dict/source/text_line_reader.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "dict/source/script_sources.h"
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
    EXPECT_EQ(expected, SplitCompanionPieces(text, bufferSize)) << text;
  }
}

// A file rewritten between two reads, even at once and to the same size, is
// read anew.
TEST(TextLineReaderTest, SeesTheFileAsItIsAtEveryOpen) {
  fixture::FixtureTree tree;
  DiskFiles files;
  ScriptSources sources(files);
  const std::string path = (tree.root() / "f.txt").string();
  for (const std::string text : {"/*A*/\nfirst\n", "/*A*/\nsecnd\n", "/*B*/\nsecnd\n"}) {
    tree.WriteFile("f.txt", text);
    TextLineReader reader(&sources, path);
    std::string line;
    EXPECT_EQ(text.starts_with("/*A*/"), reader.SkipPastMarker("/*A*/")) << text;
    EXPECT_EQ(text.starts_with("/*A*/"), reader.ReadLine(line) && text.ends_with(line)) << text;
  }
}

TEST(TextLineReaderTest, OnlyRegularFilesOpen) {
  fixture::FixtureTree tree;
  DiskFiles files;
  ScriptSources sources(files);
  tree.WriteFile("sub/f.txt", "x\n");
  EXPECT_TRUE(TextLineReader(&sources, (tree.root() / "sub/f.txt").string()).IsOpen());
  EXPECT_FALSE(TextLineReader(&sources, (tree.root() / "sub").string()).IsOpen());
  EXPECT_FALSE(TextLineReader(&sources, (tree.root() / "missing").string()).IsOpen());
}

}  // namespace
}  // namespace rcv
