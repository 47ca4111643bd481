#include "dict/source/script_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dict/source/script_sources.h"
#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

using Lines = std::vector<std::string>;

// Lines lose one trailing control or high byte, end at a NUL byte and come
// in pieces of the line buffer.
TEST(ScriptFileTest, SplitsIntoLinesOfTheLineBuffer) {
  const std::string head(1023, 'a');
  const std::pair<std::string, Lines> cases[] = {
      {"REM,a\n\nEXIT\r\nx", {"REM,a", "", "EXIT\r", "x"}},
      {"SET,%A,\x83\x9F", {"SET,%A,\x83"}},
      {"", {}},
      {head + std::string(477, 'b') + "\n", {head, std::string(477, 'b')}},
      {head + "\n", {head, ""}},  // a line of exactly the buffer's room leaves its "\n" as an empty line
      {std::string(1022, 'a') + "\n", {std::string(1022, 'a')}},
      {std::string("ab\0cd\nREM\n", 10), {"ab", "REM"}},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(expected, SplitScriptLines(text)) << text.substr(0, 40);
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
  EXPECT_EQ(-1, LoadScriptLines((tree.root() / "missing.csv").string(), lines, &sources));
  EXPECT_EQ(0u, lines.LineCount());
  EXPECT_EQ(-1, LoadScriptLines(tree.root().string(), lines, &sources));
}

}  // namespace
}  // namespace rcv
