#include "dict/record_dump.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "dict/record_table.h"
#include "dict/search_context.h"

namespace rcv {
namespace {

const std::string kRuler(57, '-');
const std::string kHeading = "\n--------------------- TABLE DUMP ------------------------" + kRuler + "\n";

TEST(RecordDumpTest, EmptyTable) {
  SearchContext context;
  InitRecordTable(context);
  std::ostringstream out;
  EXPECT_EQ(0, DumpRecordTable(context, out));
  EXPECT_EQ(kHeading + kRuler + "\n", out.str());
}

TEST(RecordDumpTest, RecordsInInsertionOrder) {
  SearchContext context;
  InitRecordTable(context);
  DefineValue("%RC-NAME", "CPU error", context);
  DefineValue("%UNIT", "CPU0", context);
  DefineValue("%RC-NAME", "x\"y", context);
  std::ostringstream out;
  DumpRecordTable(context, out);
  EXPECT_EQ(kHeading + "\"%RC-NAME\",\"CPU error\",\"x\\\"y\"\n\"%UNIT\",\"CPU0\"\n" + kRuler + "\n", out.str());
}

}  // namespace
}  // namespace rcv
