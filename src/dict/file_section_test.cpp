#include "dict/file_section.h"

#include <gtest/gtest.h>

#include <vector>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

std::vector<std::string> SectionOf(std::string_view fileText) {
  fixture::FixtureTree tree;
  tree.WriteFile("msg.txt", fileText);
  TextLineReader reader((tree.root() / "msg.txt").string());
  std::vector<std::string> lines;
  EXPECT_TRUE(SkipToSectionMarker(reader, "/*A*/"));
  EXPECT_EQ(SectionEnd::kEndLine, ReadSectionLines(reader, [&](const std::string& line) { lines.push_back(line); }));
  return lines;
}

TEST(FileSectionTest, EndLineMustBeExactOnceItsLineEndIsCut) {
  EXPECT_EQ((std::vector<std::string>{" /*E*/", "/*E*/ "}), SectionOf("/*A*/\n /*E*/\n/*E*/ \n/*E*/\r\n"));
}

TEST(FileSectionTest, LongLinesArriveInPieces) {
  EXPECT_EQ((std::vector<std::string>{std::string(255, 'a'), std::string(45, 'a')}),
            SectionOf("/*A*/\n" + std::string(300, 'a') + "\n/*E*/\n"));
}

}  // namespace
}  // namespace rcv
