// The system event log as rcquery entries, each record decoded. An entry's
// Id is its slot, record ID and time stamp: an entry never moves in the
// ring, and one that later takes the same slot gets an Id of its own.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "rcquery/log_source.h"

namespace rcv {

// The entries oldest first.
SourceRead ReadSelSource();
// The same of an image of the whole log, already read; `path` names the
// log in the reason for an invalid header.
SourceRead SelSourceOf(std::span<const std::uint8_t> image, const std::string& path);

}  // namespace rcv
