#include "dict/rc_coverage.h"

#include <gtest/gtest.h>

#include <map>

namespace rcv {
namespace {

ReferenceCode Rc(std::uint8_t type, std::uint8_t extra) { return {type, 1, 2, 3, 0, 0, 0, 4, extra, 0, 0, 0}; }

TEST(RcCoverageTest, CountsRecordsByResultAndListsUnknownRcsMostFrequentFirst) {
  // Bytes beyond the leading eight don't make an RC distinct.
  const std::vector<ReferenceCode> rcs = {Rc(0x47, 1), Rc(0x51, 1), Rc(0x47, 2), Rc(0x52, 0),
                                          Rc(0x52, 0), Rc(0x99, 0), Rc(0x51, 0), Rc(0x53, 0)};
  const std::map<std::string, int> results = {{"4701020300000004", 2},
                                              {"5101020300000004", -3},
                                              {"5201020300000004", -3},
                                              {"5301020300000004", -3},
                                              {"9901020300000004", -2}};
  std::size_t lookups = 0;
  const RcCoverage coverage = CountRcCoverage(rcs, [&](const std::string& rc) {
    ++lookups;
    return results.at(rc);
  });
  EXPECT_EQ(5u, lookups);
  EXPECT_EQ(8u, coverage.records);
  EXPECT_EQ(5u, coverage.distinct);
  EXPECT_EQ(2u, coverage.found);
  EXPECT_EQ(5u, coverage.unknown);
  EXPECT_EQ(1u, coverage.failed);
  std::string listed;
  for (const UnknownRc& rc : coverage.unknownRcs) listed += rc.rc + "=" + std::to_string(rc.count) + " ";
  EXPECT_EQ("5101020300000004=2 5201020300000004=2 5301020300000004=1 ", listed);
}

}  // namespace
}  // namespace rcv
