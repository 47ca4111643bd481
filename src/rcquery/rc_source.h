// The RC log as rcquery entries, each RC named through the RC dictionary
// as the CE list names it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "rclog/rc_line.h"
#include "rcquery/log_source.h"

namespace rcv {

// The records of rc.log, oldest first, not yet named. An entry's Id is its
// slot, time stamp and RC: a record never moves in the ring, so the Id holds
// while the record is in the log, and a record that later takes the same
// slot gets an Id of its own.
SourceRead ReadRcSource();
// The same of an image of the whole log, already read.
SourceRead RcSourceOf(std::span<const std::uint8_t> image);

// Names the rc entries among `entries` through `lookup`: the Name property
// and the message.
void NameRcEntries(std::vector<LogEntry>& entries, RcLookup lookup);

// The same through the machine's RC dictionary. Where the machine names
// none, every lookup would fail alike: the failure is said once, to the
// dictionary's diagnostics, and the entries keep their RC as their message.
void NameRcEntriesFromDictionary(std::vector<LogEntry>& entries);

}  // namespace rcv
