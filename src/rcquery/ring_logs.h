// rc.log and sel.log as the follower reads them: the ring as the header
// lists it, and the entries of the listed slots.
#pragma once

#include <string>
#include <vector>

#include "rcquery/log_source.h"
#include "rcquery/ring_cursor.h"

namespace rcv {

struct RingRead {
  RingImage image;
  std::vector<LogEntry> entries;  // entries[i] is the entry of image.listed[i]
  std::string error;              // the reason when the log could not be read
};

// How many times a log is read at most until two reads in a row agree, so
// that a read never mixes two states of a write in progress.
inline constexpr int kSteadyReadTries = 4;

RingRead ReadRcRing();
RingRead ReadSelRing();

// The digest that tells a slot's bytes apart: the leading 16 hexadecimal
// digits of their SHA-256.
std::string SlotDigest(std::span<const std::uint8_t> bytes);

}  // namespace rcv
