#include "dict/source/script_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dict/source/script_sources.h"
#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

using Lines = std::vector<std::string>;

TEST(ScriptFileTest, DropsOneTrailingControlOrHighByte) {
  EXPECT_EQ((Lines{"REM,a", "", "EXIT\r", "x"}), SplitScriptLines("REM,a\n\nEXIT\r\nx"));
  EXPECT_EQ((Lines{"SET,%A,\x83"}), SplitScriptLines("SET,%A,\x83\x9F"));
  EXPECT_EQ(Lines{}, SplitScriptLines(""));
}

TEST(ScriptFileTest, LongLinesArriveInPiecesOfTheLineBuffer) {
  const std::string head(1023, 'a');
  EXPECT_EQ((Lines{head, std::string(477, 'b')}), SplitScriptLines(head + std::string(477, 'b') + "\n"));
  // a line of exactly the buffer's room leaves its "\n" as an empty line
  EXPECT_EQ((Lines{head, ""}), SplitScriptLines(head + "\n"));
  EXPECT_EQ((Lines{std::string(1022, 'a')}), SplitScriptLines(std::string(1022, 'a') + "\n"));
}

TEST(ScriptFileTest, NulByteEndsTheLineText) {
  EXPECT_EQ((Lines{"ab", "REM"}), SplitScriptLines(std::string("ab\0cd\nREM\n", 10)));
}

TEST(ScriptFileTest, LoadsAFileAndRefusesWhatIsNoFile) {
  fixture::FixtureTree tree;
  DiskFiles files;
  ScriptSources sources(files);
  tree.WriteFile("s.csv", "REM\nEXIT\n");
  LineStore lines;
  lines.AppendLine("old");
  ASSERT_EQ(0, LoadScriptLines((tree.root() / "s.csv").string(), lines, &sources));
  ASSERT_EQ(2u, lines.LineCount());
  EXPECT_EQ("EXIT", *lines.LineText(1));
  // rewritten at once to the same size, within one tick of the clock
  tree.WriteFile("s.csv", "REM\nSTOP\n");
  ASSERT_EQ(0, LoadScriptLines((tree.root() / "s.csv").string(), lines, &sources));
  EXPECT_EQ("STOP", *lines.LineText(1));
  EXPECT_EQ(-1, LoadScriptLines((tree.root() / "missing.csv").string(), lines, &sources));
  EXPECT_EQ(0u, lines.LineCount());
  EXPECT_EQ(-1, LoadScriptLines(tree.root().string(), lines, &sources));
}

}  // namespace
}  // namespace rcv
