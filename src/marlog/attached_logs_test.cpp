#include "marlog/attached_logs.h"

#include <gtest/gtest.h>

namespace rcv {
namespace {

constexpr std::size_t kArea = 8;  // a stand-in for the binary record

std::string Names(const std::string& area) {
  std::string names;
  for (const AttachedLogEntry& log : ScanAttachedLogs(std::string(kArea, '\0') + area, kArea)) names += log.name + "|";
  return names;
}

TEST(AttachedLogsTest, LognameLinesStartAndNameTheLogs) {
  std::string twenty;
  for (int i = 0; i < 20; ++i) twenty += "LOGNAME=l" + std::to_string(i) + "\n";
  const struct {
    std::string area;
    std::string names;
  } kCases[] = {
      {"LOGNAME=\"syslog\"\ntext\nLOGNAME=syslog\n", "syslog|syslog|"},
      {"x LOGNAME=\"\"con\"sole\"\n", "con|"},
      // Nothing to name the log: it is listed all the same.
      {"LOGNAME=\"\"\nLOGNAME=\n", "-|-|"},
      {"LOGNAME=abcdefghijklmnopqrstuvwxyz\n", "abcdefghijklmnopqrs|"},
      {twenty, "l0|l1|l2|l3|l4|l5|l6|l7|l8|l9|l10|l11|l12|l13|l14|l15|"},
      // The mark in the continuation of a long line still counts; one cut
      // by the line buffer or hidden behind a zero byte does not.
      {std::string(127, 'x') + "LOGNAME=b\n", "b|"},
      {std::string(123, 'x') + "LOGNAME=c\n", ""},
      {std::string("\0LOGNAME=d\n", 11), ""},
      {"no logs here\n", ""},
  };
  for (const auto& c : kCases) EXPECT_EQ(c.names, Names(c.area)) << c.area;
}

TEST(AttachedLogsTest, ALogRunsToItsEndLineOrTheEndOfTheFile) {
  const std::string file = std::string(kArea, '\0') +
                           "LOGNAME=a\n100% done\n---- log end ---- (a)\nafter\n"
                           "LOGNAME=b\n" +
                           std::string(130, 'z') + "\nlast line";
  const std::vector<AttachedLogEntry> logs = ScanAttachedLogs(file, kArea);
  ASSERT_EQ(2u, logs.size());
  EXPECT_EQ(kArea + 10, logs[0].position);
  EXPECT_EQ("100% done\n---- log end ---- (a)\n\n", AttachedLogText(file, logs[0].position));
  EXPECT_EQ(std::string(130, 'z') + "\nlast line", AttachedLogText(file, logs[1].position));
  EXPECT_EQ("", AttachedLogText(file, file.size() + 1));
  EXPECT_TRUE(ScanAttachedLogs(file, file.size() + 1).empty());
}

}  // namespace
}  // namespace rcv
