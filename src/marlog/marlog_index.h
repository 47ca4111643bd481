// marlog.idx: one maintenance record a line, comma-separated fields:
// presence mark, date YYYYMMDD, time HHMMSS, reason (its first four
// characters the call-reason code), record directory, further text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rcv {

// Index lines are read through an 80-byte line buffer.
inline constexpr std::size_t kMarlogIndexLineBufferSize = 80;

// What each field keeps of its text; the rest is ignored.
inline constexpr std::size_t kMarlogPresenceWidth = 2;
inline constexpr std::size_t kMarlogDateWidth = 8;
inline constexpr std::size_t kMarlogTimeWidth = 6;
inline constexpr std::size_t kMarlogReasonWidth = 20;
inline constexpr std::size_t kMarlogDirNameWidth = 8;
inline constexpr std::size_t kMarlogExtraWidth = 29;
inline constexpr std::size_t kCallReasonCodeWidth = 4;

// The further text of a line that has none.
inline constexpr std::string_view kMarlogNoExtra = " -";

struct MarlogIndexEntry {
  std::string presence;
  std::string date;
  std::string time;
  std::string reason;
  std::string dirName;
  std::string extra = std::string(kMarlogNoExtra);
};

// The entries of an index text in file order, one a line, at most
// `stackMax` of them. A line without fields gives an entry without a
// presence mark: the rows shown end there, yet it and the lines after it
// count, and each can still be chosen by its number.
std::vector<MarlogIndexEntry> ParseMarlogIndex(std::string_view text, std::uint32_t stackMax);

// How many entries the table shows: those before the first one without a
// presence mark.
std::size_t ShownMarlogRows(const std::vector<MarlogIndexEntry>& entries);

// Date and time as one decimal number, YYYYMMDDHHMMSS, read the way strtod
// reads the fourteen characters; one that reads as no number at all (NaN)
// sorts as the oldest.
double MarlogSortKey(const MarlogIndexEntry& entry);

// The shown rows newest first; the entries after them keep their places.
// Entries with equal keys keep their order in the index, and the cost grows
// as n log n, so a long index with a large MAR_STACK_MAX still opens at once.
void SortMarlogIndex(std::vector<MarlogIndexEntry>& entries);

}  // namespace rcv
