// The MAR file of a maintenance record: a 5120-byte binary record, text logs
// attached after it. The record holds the SEL event that raised it, the
// call factor, and the RC with its lookup result as the record's writer
// stored them, so nothing of it comes from the RC dictionary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>

#include "base/text_conversion.h"
#include "dict/rc_info_layout.h"

namespace rcv {

inline constexpr std::size_t kMarRecordSize = 5120;

inline constexpr std::size_t kMarEventOffset = 0;
inline constexpr std::size_t kMarEventSize = 16;
inline constexpr std::size_t kMarTimestampOffset = 3;  // inside the event
inline constexpr std::size_t kMarConfigurationOffset = 16;
inline constexpr std::size_t kMarConfigurationSize = 8;
inline constexpr std::size_t kMarReasonNumberOffset = 29;
inline constexpr std::size_t kMarImpactOffset = 30;
inline constexpr std::size_t kMarImpactSize = 2;
inline constexpr std::size_t kMarRcBlockOffset = 64;
// The screen shows no more FRU rows than this of the six the record holds.
inline constexpr std::size_t kMarFruRowsShown = 5;
// Every reason number is shown after this byte.
inline constexpr std::uint8_t kMarReasonPrefix = 0x5E;

static_assert(kMarRcBlockOffset + rc_info_layout::kBlockSize == kMarRecordSize);

// Offset in the record of a field of the RC block.
constexpr std::size_t MarRcField(std::size_t blockOffset) { return kMarRcBlockOffset + blockOffset; }

// The record as the detail screen shows it: title box, call factor, RC
// information with the comment converted for the terminal, FRU list.
void PrintMarRecord(std::span<const std::uint8_t, kMarRecordSize> record, const TextConversion& conversion,
                    std::ostream& out);

}  // namespace rcv
