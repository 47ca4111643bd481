#include "dict/line_store.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

TEST(LineStoreTest, ReadsAnyLineInAnyOrderAndPilesUpFlagsUntilTaken) {
  LineStore lines;
  lines.AppendLine("RC-CODE,47XX");
  lines.AppendLine("");
  lines.AppendLine("SET,%UNIT,CPU0");
  EXPECT_EQ("CPU0", lines.GetLineField(2, 2));
  EXPECT_EQ("47XX", lines.GetLineField(1, 0));
  EXPECT_EQ(0u, lines.TakeErrors());
  EXPECT_EQ("", lines.GetLineField(20, 0));
  EXPECT_EQ("", lines.GetLineField(1, 1));
  EXPECT_EQ(kFieldBeyondLine | kLineEndsBeforeField, lines.TakeErrors());
  EXPECT_EQ(0u, lines.TakeErrors());
  // a line that doesn't exist is empty without a flag
  EXPECT_EQ("", lines.GetLineField(0, 7));
  EXPECT_FALSE(lines.LineText(7));
  EXPECT_EQ(0u, lines.TakeErrors());
  lines.Free();
  EXPECT_EQ(0u, lines.LineCount());
  EXPECT_EQ("", lines.GetLineField(0, 0));
}

}  // namespace
}  // namespace rcv
