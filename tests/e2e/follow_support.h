// What the follow tests share: a writer that appends into the fixture rings
// the way the monitoring service does (the slot first, the counters after,
// in place).
#pragma once

#include <cstdint>
#include <string>

#include "base/unique_fd.h"
#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "fixture/sel_log_writer.h"
#include "rcquery/query_time.h"

namespace rcv::e2e {

// Every entry written gets a time stamp of its own, this plus its serial
// number, so that its Created property names it in any source.
inline constexpr std::uint32_t kFirstFollowStamp = 1'800'000'000;

class RingWriter {
 public:
  // Writes an empty rc.log and sel.log into the tree.
  explicit RingWriter(const fixture::FixtureTree& tree);
  // Appends one entry; returns its serial number.
  std::uint32_t AppendRc();
  std::uint32_t AppendSel();
  std::uint32_t written() const { return serial_; }

 private:
  UniqueFd rc_;
  UniqueFd sel_;
  fixture::RcLogValues rcLog_;
  fixture::SelLogValues selLog_;
  std::uint32_t serial_ = 0;
};

// The Created text of the entry with that serial number.
inline std::string FollowEntryTime(std::uint32_t serial) { return FormatRfc3339(kFirstFollowStamp + serial); }

}  // namespace rcv::e2e
