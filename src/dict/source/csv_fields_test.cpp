#include "dict/source/csv_fields.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rcv {
namespace {

TEST(CsvFieldTest, Fields) {
  const std::tuple<std::string, std::size_t, std::string> cases[] = {
      {"4701,CPU0,PROC_CARD\n", 1, "CPU0"},
      {"4701,CPU0,PROC_CARD\n", 2, "PROC_CARD\n"},  // a control character doesn't end a field
      {"4701,CPU0,PROC_CARD\n", 3, ""},
      // quoted fields keep commas and end at the closing quote
      {"\"47,01\",\"Memory, slot A\"ignored,last\n", 1, "Memory, slot A"},
      {"\"47,01\",\"Memory, slot A\"ignored,last\n", 2, "last\n"},
      {"x,ab\",c\",d", 1, "ab,c"},  // a quote inside a field opens a quoted part
      {"x,ab\",c\",d", 2, "d"},
      {",,z", 1, ""},
      {"", 1, ""},
      {"\"ab,cd", 1, ""},  // an unclosed quote runs to the end
  };
  for (const auto& [line, n, expected] : cases) EXPECT_EQ(expected, CsvField(line, n)) << line << n;
  EXPECT_EQ("47,01", CsvFirstField("\"47,01\",x"));
  EXPECT_EQ("ab,cd", CsvFirstField("\"ab,cd"));
  EXPECT_EQ("", CsvFirstField(""));
}

}  // namespace
}  // namespace rcv
