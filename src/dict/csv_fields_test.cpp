#include "dict/csv_fields.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

TEST(CsvFieldTest, PlainFieldsByNumber) {
  const std::string line = "4701,CPU0,PROC_CARD\n";
  EXPECT_EQ("4701", CsvField(line, 0));
  EXPECT_EQ("CPU0", CsvField(line, 1));
  // A control character doesn't end a field: the last one keeps its "\n".
  EXPECT_EQ("PROC_CARD\n", CsvField(line, 2));
  EXPECT_EQ("", CsvField(line, 3));
}

TEST(CsvFieldTest, QuotedFieldsKeepCommasAndEndAtTheClosingQuote) {
  const std::string line = "\"47,01\",\"Memory, slot A\"ignored,last\n";
  EXPECT_EQ("47,01", CsvFirstField(line));
  EXPECT_EQ("Memory, slot A", CsvField(line, 1));
  EXPECT_EQ("last\n", CsvField(line, 2));
}

TEST(CsvFieldTest, QuoteInsideAFieldOpensAQuotedPart) {
  EXPECT_EQ("ab,c", CsvField("x,ab\",c\",d", 1));
  EXPECT_EQ("d", CsvField("x,ab\",c\",d", 2));
}

TEST(CsvFieldTest, EmptyFieldsAndEmptyLine) {
  EXPECT_EQ("", CsvField(",,z", 1));
  EXPECT_EQ("z", CsvField(",,z", 2));
  EXPECT_EQ("", CsvFirstField(""));
  EXPECT_EQ("", CsvField("", 1));
}

TEST(CsvFieldTest, UnclosedQuoteRunsToTheEnd) {
  EXPECT_EQ("ab,cd", CsvFirstField("\"ab,cd"));
  EXPECT_EQ("", CsvField("\"ab,cd", 1));
}

}  // namespace
}  // namespace rcv
