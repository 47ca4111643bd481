#include "marlog/call_reason.h"

#include "marlog/marlog_index.h"
#include "marlog/text_pieces.h"

namespace rcv {

namespace {

constexpr std::size_t kCodeField = 1;
constexpr std::size_t kTextField = 3;

// The line's own line end would break the index row that shows the text.
std::string ReasonText(std::string_view field) {
  field = field.substr(0, kCallReasonTextWidth);
  if (field.ends_with('\n')) field.remove_suffix(1);
  return std::string(field);
}

}  // namespace

std::vector<CallReasonEntry> ParseCallReasons(std::string_view text) {
  std::vector<CallReasonEntry> table;
  PieceReader reader(text, kCallReasonLineBufferSize);
  std::string_view piece;
  while (reader.Next(piece)) {
    const std::vector<std::string_view> fields = SplitFields(PieceText(piece), ",");
    if (fields.size() <= kTextField) break;
    table.push_back({std::string(fields[kCodeField].substr(0, kCallReasonCodeWidth)), ReasonText(fields[kTextField])});
  }
  return table;
}

std::string_view FindCallReason(const std::vector<CallReasonEntry>& table, std::string_view reason) {
  const std::string_view code = reason.substr(0, kCallReasonCodeWidth);
  for (const CallReasonEntry& entry : table) {
    if (entry.code == kCallReasonEndCode) break;
    if (entry.code == code) return entry.text;
  }
  return kUnknownCallReason;
}

}  // namespace rcv
