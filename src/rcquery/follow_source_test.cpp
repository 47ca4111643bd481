#include "rcquery/follow_source.h"

#include <gtest/gtest.h>

#include <limits>

#include "fixture/fixture_tree.h"
#include "fixture/marlog_writer.h"
#include "rcquery/ring_logs.h"

namespace rcv {
namespace {

// A ring read through the seam: a slot for each digest listed, and one free
// slot after them; or a failure.
RingRead Ring(std::vector<std::string> digests, std::string error = "") {
  RingRead read;
  read.error = std::move(error);
  read.image.slotCount = digests.size() + 1;
  for (std::size_t slot = 0; slot < digests.size(); ++slot) {
    read.image.listed.push_back(slot);
    read.image.times.push_back(static_cast<std::uint32_t>(slot + 1));
    LogEntry entry;
    entry.id = "e" + std::to_string(slot);
    read.entries.push_back(entry);
  }
  read.image.digests = std::move(digests);
  read.image.digests.emplace_back();
  read.image.times.push_back(0);
  return read;
}

std::string Said(const SourceRead& read) {
  std::string text;
  for (const LogEntry& entry : read.entries) text += entry.id + " ";
  for (const std::string& error : read.errors) text += "[" + error + "] ";
  return text;
}

// A failed read is said once until it changes; a slot rewritten in place
// comes again with its first Id; positions that aren't one are refused.
TEST(FollowSourceTest, FailuresRewritesAndPositions) {
  std::vector<RingRead> reads = {Ring({}, "gone"), Ring({"a", "b"}), Ring({}, "gone"),
                                 Ring({}, "gone"), Ring({}, "cut"),  Ring({"a", "B"})};
  std::size_t next = 0;
  const auto follow = MakeRingFollowSource(kRcSource, 3, [&] { return reads.at(next++); });
  EXPECT_EQ("[gone] ", Said(follow->Start()));
  EXPECT_EQ("e0 e1 ", Said(follow->Next()));
  EXPECT_EQ("[gone] ", Said(follow->Next()));
  EXPECT_EQ("", Said(follow->Next()));
  EXPECT_EQ("[cut] ", Said(follow->Next()));
  EXPECT_EQ("e1 ", Said(follow->Next()));
  std::string error;
  // A position from a damaged cursor file is refused whole: a slot beyond
  // the ring, or a count or time beyond what the reader holds, was once
  // taken and crashed the follower.
  const auto position = [](Json sequence, Json slot, Json time) {
    return Json{{"Sequence", sequence}, {"Slot", slot}, {"Digest", ""}, {"Time", time}, {"Id", ""}};
  };
  constexpr std::uint64_t kHuge = std::numeric_limits<std::uint64_t>::max();
  for (const Json& saved :
       {Json(3), Json{{"Sequence", 1}}, position("x", 1U, 1U), position(1U, 3U, 1U), position(1U, kHuge, 1U),
        position(-1, 1U, 1U), position(kHuge, 1U, 1U), position(1U, 1U, 1ULL << 32)}) {
    EXPECT_FALSE(follow->LoadPosition(saved, error)) << saved;
    EXPECT_EQ("a rc position needs Sequence, Slot (0 to 2), Digest, Time and Id", error);
  }
  EXPECT_TRUE(follow->LoadPosition(position(nullptr, 2, 1), error));
  const auto mar = MakeMarFollowSource();
  EXPECT_EQ(nullptr, mar->SavePosition());
  for (const Json& saved : {Json(3), Json{{"Seen", 1}}, Json{{"Seen", {1}}}}) {
    EXPECT_FALSE(mar->LoadPosition(saved, error)) << saved;
    EXPECT_EQ("a mar position needs Seen, a list of texts", error);
  }
  EXPECT_TRUE(mar->LoadPosition(Json{{"Seen", {"A@-"}}}, error));
  EXPECT_EQ((Json{{"Seen", {"A@-"}}}), mar->SavePosition());
}

// MARLOG rows are followed by folder and time: a row seen before is not
// sent again, and an index that can't be read says so once.
TEST(FollowSourceTest, MarlogRowsComeOnce) {
  fixture::FixtureTree tree;
  tree.Activate();
  tree.WriteSetup();
  fixture::WriteCallReasons(tree, fixture::CallReasonText({{"0001", "Hardware error"}}));
  fixture::WriteMarlogIndex(tree, "1,20231201,100000,0001,A\n");
  for (const char* folder : {"A", "B"}) fixture::WriteMarRecord(tree, folder, {});
  const auto follow = MakeFollowSource(kMarSource);
  EXPECT_EQ("A ", Said(follow->Start()));
  fixture::WriteMarlogIndex(tree, "1,20231201,100000,0001,A\n1,20231202,100000,0001,B\n");
  EXPECT_EQ("B ", Said(follow->Next()));
  std::filesystem::remove(fixture::MarDir(tree) / "marlog.idx");
  const std::string gone = "[" + (fixture::MarDir(tree) / "marlog.idx").string() + ": no such file] ";
  EXPECT_EQ(gone, Said(follow->Next()));
  EXPECT_EQ("", Said(follow->Next()));
  EXPECT_EQ(2u, follow->SavePosition()["Seen"].size());
}

}  // namespace
}  // namespace rcv
