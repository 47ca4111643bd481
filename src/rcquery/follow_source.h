// One log as `rcquery --follow` reads it again and again: the entries since
// the last read, and where the reader stands, kept in the cursor file.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "rcquery/log_entry.h"
#include "rcquery/log_source.h"
#include "rcquery/ring_logs.h"

namespace rcv {

class FollowSource {
 public:
  virtual ~FollowSource() = default;
  virtual std::string_view source() const = 0;
  // The whole log, as the one-shot query reads it, all of it taken as
  // delivered.
  virtual SourceRead Start() = 0;
  // The entries since the last read: new ones, rewritten ones with their
  // old Id, and a gap entry for what was lost. A reason for a read failure
  // is given once, until the failure changes.
  virtual SourceRead Next() = 0;
  // Where the reader stands, for the cursor file, and back from it; false
  // with the reason for a position that isn't one.
  virtual Json SavePosition() const = 0;
  virtual bool LoadPosition(const Json& saved, std::string& error) = 0;
};

// The follower of a ring of `slotCount` slots.
std::unique_ptr<FollowSource> MakeRingFollowSource(std::string_view source, std::size_t slotCount,
                                                   std::function<RingRead()> read);
std::unique_ptr<FollowSource> MakeMarFollowSource();
// The follower of rc, sel or mar.
std::unique_ptr<FollowSource> MakeFollowSource(std::string_view source);

// The entry that stands for entries a ring lost: `lost` of them, or an
// unknown number; named after the last entry delivered before them.
LogEntry GapEntry(std::string_view source, std::optional<std::uint64_t> lost, std::string_view lastId);

// The stderr line of a gap, without the program name.
std::string GapMessage(std::optional<std::uint64_t> lost);

}  // namespace rcv
