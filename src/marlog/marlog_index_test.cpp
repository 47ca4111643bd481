#include "marlog/marlog_index.h"

#include <gtest/gtest.h>

#include "marlog/call_reason.h"

namespace rcv {
namespace {

// The directory names of the entries, in their order.
std::string Names(std::string_view index, std::uint32_t stackMax = 10, bool sorted = true) {
  std::vector<MarlogIndexEntry> entries = ParseMarlogIndex(index, stackMax);
  if (sorted) SortMarlogIndex(entries);
  std::string names;
  for (const MarlogIndexEntry& entry : entries) names += entry.dirName + " ";
  return names;
}

TEST(MarlogIndexTest, NewestFirstByTheFullDateAndTime) {
  const struct {
    std::string_view index;
    std::string_view order;
  } kCases[] = {
      {"1,20231201,100000,0001,A\n1,20231203,090000,0001,B\n1,20231202,235959,0001,C\n", "B C A "},
      // Keys that differ only in the last second, beyond a 32-bit or float width.
      {"1,20231201,100000,0001,A\n1,20231201,100001,0001,B\n", "B A "},
      // Equal keys keep their order in the index.
      {"1,20231201,100000,0001,A1\n1,20231201,100000,0001,A2\n1,20231202,100000,0001,B\n", "B A1 A2 "},
      // A date with text in it counts up to the text.
      {"1,2023x201,100000,0001,X\n1,nan,1,0001,N\n1,20231201,100000,0001,A\n", "A X N "},
      // Only the rows before a blank line are ordered.
      {"1,20231201,1,0001,A\n1,20231202,1,0001,B\n,\n1,20231203,1,0001,C\n1,20231204,1,0001,D\n", "B A  C D "},
  };
  for (const auto& c : kCases) EXPECT_EQ(c.order, Names(c.index)) << c.index;
}

TEST(MarlogIndexTest, LinesAreReadInPiecesAndFieldsCutToTheirWidth) {
  const struct {
    std::string index;
    std::uint32_t stackMax;
    std::string_view names;
  } kCases[] = {
      // A line without fields is an entry of its own, and so are the later lines.
      {"1,20231201,100000,0001,A\n\n1,20231203,100000,0001,B\n", 10, "A  B "},
      {"1,1,1,1,A\n1,1,1,1,B\n1,1,1,1,C\n", 2, "A B "},
      {"1,1,1,1,A\n", 0, ""},
      // Consecutive separators count as one; a name keeps 8 characters.
      {",,1,,1,1,1,,ABCDEFGHIJ,\n", 10, "ABCDEFGH "},
      // The 79 characters of the first piece, then the rest as a line of its own.
      {"1,1,1,1,A," + std::string(70, 'x') + "1,1,1,1,B\n", 10, "A B "},
      {std::string("1,1,1,1,A\0,B\n1,1,1,1,C", 22), 10, "A C "},
  };
  for (const auto& c : kCases) EXPECT_EQ(c.names, Names(c.index, c.stackMax, false)) << c.index;
  const MarlogIndexEntry e = ParseMarlogIndex("123,20231201,1000001,0001ABCDEFGHIJKLMNOPQ,A", 1).at(0);
  EXPECT_EQ("12|100000|0001ABCDEFGHIJKLMNOP| -", e.presence + "|" + e.time + "|" + e.reason + "|" + e.extra);
  EXPECT_EQ(std::string(29, 'y'), ParseMarlogIndex("1,2,3,4,5," + std::string(40, 'y'), 1).at(0).extra);
}

TEST(CallReasonTest, CodesFindTheirTextUntilTheTableEnds) {
  const std::string kTable =
      "1,0001,C,Hardware error\n"
      "2,0002,C,Threshold,extra field\n"
      "3,0003,C," +
      std::string(60, 'L') +
      "\n"
      "4,@@@@,C,closing\n"
      "5,0005,C,after the closing code\n";
  const struct {
    std::string table;
    std::string_view reason;
    std::string_view text;
  } kCases[] = {
      {kTable, "00010000", "Hardware error"},
      {kTable, "0002", "Threshold"},
      {kTable, "0003", std::string_view("LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL")},
      {kTable, "0004", "unknown"},
      {kTable, "0005", "unknown"},
      {kTable, "", "unknown"},
      // A line of fewer than four fields ends the table, a blank one too.
      {"1,0001,C\n2,0002,C,Power\n", "0002", "unknown"},
      {"1,0001,C,Power\n\n2,0002,C,Fan\n", "0002", "unknown"},
      // A line longer than the buffer goes on as a line of its own.
      {"1,0001,C," + std::string(110, 'x') + "\n2,0002,C,Fan\n", "0002", "unknown"},
      {"", "0001", "unknown"},
  };
  for (const auto& c : kCases) EXPECT_EQ(c.text, FindCallReason(ParseCallReasons(c.table), c.reason)) << c.reason;
}

}  // namespace
}  // namespace rcv
