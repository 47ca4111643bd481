// The system event log as rcquery entries, each record decoded. An entry's
// Id is its slot, record ID and time stamp: an entry never moves in the
// ring, and one that later takes the same slot gets an Id of its own.
#pragma once

#include "rcquery/log_source.h"

namespace rcv {

// The entries oldest first.
SourceRead ReadSelSource();

}  // namespace rcv
