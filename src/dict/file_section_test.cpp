#include "dict/file_section.h"

#include <gtest/gtest.h>

#include <vector>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

struct SectionRead {
  bool markerFound = false;
  SectionEnd end = SectionEnd::kEndOfFile;
  std::vector<std::string> lines;
};

SectionRead ReadSectionOf(std::string_view fileText, std::string_view marker) {
  fixture::FixtureTree tree;
  tree.WriteFile("msg.txt", fileText);
  TextLineReader reader((tree.root() / "msg.txt").string());
  SectionRead read;
  read.markerFound = SkipToSectionMarker(reader, marker);
  if (!read.markerFound) return read;
  read.end = ReadSectionLines(reader, [&](const std::string& line) { read.lines.push_back(line); });
  return read;
}

TEST(FileSectionTest, MarkersOfBothFileKinds) {
  EXPECT_EQ("/*CPU*/", CommentSectionMarker("CPU"));
  EXPECT_EQ("/*S101*/", MessageSectionMarker("101"));
}

TEST(FileSectionTest, ReadsTheLinesBetweenMarkerAndEnd) {
  const SectionRead read = ReadSectionOf(
      "/*S100*/\nother\n/*E*/\n  /*S101*/ \r\nfirst\r\n\nthird\n/*E*/\nafter\n", "/*S101*/");
  EXPECT_TRUE(read.markerFound);
  EXPECT_EQ(SectionEnd::kEndLine, read.end);
  EXPECT_EQ((std::vector<std::string>{"first", "", "third"}), read.lines);
}

TEST(FileSectionTest, EndLineMustBeExactOnceItsLineEndIsCut) {
  const SectionRead read = ReadSectionOf("/*A*/\n /*E*/\n/*E*/ \n/*E*/\r\n", "/*A*/");
  EXPECT_TRUE(read.markerFound);
  EXPECT_EQ(SectionEnd::kEndLine, read.end);
  EXPECT_EQ((std::vector<std::string>{" /*E*/", "/*E*/ "}), read.lines);
}

TEST(FileSectionTest, MissingMarkerAndMissingEnd) {
  EXPECT_FALSE(ReadSectionOf("/*B*/\nx\n/*E*/\n", "/*A*/").markerFound);
  const SectionRead read = ReadSectionOf("/*A*/\nx\ny", "/*A*/");
  EXPECT_TRUE(read.markerFound);
  EXPECT_EQ(SectionEnd::kEndOfFile, read.end);
  EXPECT_EQ((std::vector<std::string>{"x", "y"}), read.lines);
}

TEST(FileSectionTest, LongLinesArriveInPieces) {
  const std::string longLine(300, 'a');
  const SectionRead read = ReadSectionOf("/*A*/\n" + longLine + "\n/*E*/\n", "/*A*/");
  EXPECT_EQ((std::vector<std::string>{std::string(255, 'a'), std::string(45, 'a')}), read.lines);
}

TEST(FileSectionTest, UnopenedFileReadsAsEmpty) {
  TextLineReader reader("/nonexistent/dir/msg.txt");
  EXPECT_FALSE(reader.IsOpen());
  EXPECT_FALSE(SkipToSectionMarker(reader, "/*A*/"));
}

}  // namespace
}  // namespace rcv
