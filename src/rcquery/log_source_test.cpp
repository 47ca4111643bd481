#include "rcquery/log_source.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"
#include "fixture/marlog_writer.h"
#include "fixture/trap_rc_writer.h"
#include "rcquery/mar_source.h"
#include "rcquery/tqr_source.h"

namespace rcv {
namespace {

std::string Said(const SourceRead& read) {
  std::string text;
  for (const LogEntry& entry : read.entries) text += entry.message + "|";
  for (const std::string& error : read.errors) text += "[" + error + "]";
  return text;
}

// What the trap table and MARLOG readers say of what they can't read.
TEST(LogSourceTest, ReadersNameWhatTheyCouldNotRead) {
  fixture::FixtureTree tree;
  tree.Activate();
  const std::string table = tree.DictionaryDir().string() + "/atraprc.tqr";
  EXPECT_EQ("[Getting threshold table path failed.]", Said(ReadTqrSource()));
  EXPECT_EQ("[Getting MAR stack num failed.]", Said(ReadMarSource()));
  tree.WriteSetup();
  EXPECT_EQ("[" + table + ": no such file]", Said(ReadTqrSource()));
  tree.WriteFile(table, std::string(513, '\0'));
  EXPECT_EQ("[" + table + ": too long (513 of 512 bytes)]", Said(ReadTqrSource()));
  fixture::WriteTrapRcTable(tree, {{0x42, {0x47, 0, 0, 0, 0}}});
  EXPECT_EQ("Kind 0x42 RC 47 0000 00 00000000 00000000|", Said(ReadTqrSource()));  // a kind the editor never writes
  fixture::WriteMarlogIndex(tree, "1,20231201,100000,0001,..\n");
  EXPECT_EQ(
      "[0001]unknown|[" + tree.MainteData().string() + "/call_reason.csv: no such file][MAR directory name invalid.]",
      Said(ReadMarSource()));
  std::string content;
  EXPECT_EQ(table + ": too short (512 of 513 bytes)", ReadLogFile(table, 513, content));
  EXPECT_EQ("two lines", OneLine("two\nlines\n\n"));
}

}  // namespace
}  // namespace rcv
