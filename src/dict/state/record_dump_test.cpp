#include "dict/state/record_dump.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "dict/state/record_table.h"
#include "dict/state/search_context.h"

namespace rcv {
namespace {

TEST(RecordDumpTest, HeadingRecordsInInsertionOrderAndRuler) {
  const std::string ruler(57, '-');
  const std::string heading = "\n--------------------- TABLE DUMP ------------------------" + ruler + "\n";
  SearchContext context;
  context.records.Init();
  std::ostringstream empty;
  EXPECT_EQ(0, DumpRecordTable(context, empty));
  EXPECT_EQ(heading + ruler + "\n", empty.str());
  context.records.DefineValue("%RC-NAME", "CPU error");
  context.records.DefineValue("%UNIT", "CPU0");
  context.records.DefineValue("%RC-NAME", "x\"y");
  std::ostringstream out;
  DumpRecordTable(context, out);
  EXPECT_EQ(heading + "\"%RC-NAME\",\"CPU error\",\"x\\\"y\"\n\"%UNIT\",\"CPU0\"\n" + ruler + "\n", out.str());
}

}  // namespace
}  // namespace rcv
