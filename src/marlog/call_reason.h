// call_reason.csv: the texts of the call-reason codes. Field 2 of a line is
// the 4-character code and field 4 its text; a line with fewer than four
// fields ends the table.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rcv {

// Lines are read through a 112-byte line buffer.
inline constexpr std::size_t kCallReasonLineBufferSize = 112;
inline constexpr std::size_t kCallReasonTextWidth = 48;
// The code of the table's closing entry and the text of every code that the
// table doesn't hold.
inline constexpr std::string_view kCallReasonEndCode = "@@@@";
inline constexpr std::string_view kUnknownCallReason = "unknown";

struct CallReasonEntry {
  std::string code;  // at most 4 characters
  std::string text;  // at most 48 characters, without the line end
};

std::vector<CallReasonEntry> ParseCallReasons(std::string_view text);

// The text of the code that begins `reason`, or "unknown".
std::string_view FindCallReason(const std::vector<CallReasonEntry>& table, std::string_view reason);

}  // namespace rcv
