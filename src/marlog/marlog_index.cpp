#include "marlog/marlog_index.h"

#include <cstdlib>
#include <utility>

#include "marlog/text_pieces.h"

namespace rcv {

namespace {

constexpr std::string_view kIndexSeparators = ",\n";

std::string Cut(std::string_view field, std::size_t width) { return std::string(field.substr(0, width)); }

MarlogIndexEntry EntryFromFields(const std::vector<std::string_view>& fields) {
  MarlogIndexEntry entry;
  const auto field = [&fields](std::size_t n, std::size_t width) {
    return n < fields.size() ? Cut(fields[n], width) : std::string();
  };
  entry.presence = field(0, kMarlogPresenceWidth);
  entry.date = field(1, kMarlogDateWidth);
  entry.time = field(2, kMarlogTimeWidth);
  entry.reason = field(3, kMarlogReasonWidth);
  entry.dirName = field(4, kMarlogDirNameWidth);
  if (fields.size() > 5) entry.extra = field(5, kMarlogExtraWidth);
  return entry;
}

}  // namespace

std::vector<MarlogIndexEntry> ParseMarlogIndex(std::string_view text, std::uint32_t stackMax) {
  std::vector<MarlogIndexEntry> entries;
  PieceReader reader(text, kMarlogIndexLineBufferSize);
  std::string_view piece;
  while (entries.size() < stackMax && reader.Next(piece)) {
    const std::vector<std::string_view> fields = SplitFields(PieceText(piece), kIndexSeparators);
    if (fields.empty()) break;
    entries.push_back(EntryFromFields(fields));
  }
  return entries;
}

double MarlogSortKey(const MarlogIndexEntry& entry) {
  const std::string key = entry.date + entry.time;
  return std::strtod(key.c_str(), nullptr);
}

void SortMarlogIndex(std::vector<MarlogIndexEntry>& entries) {
  // The keys travel with their entries, so that each is read once.
  std::vector<double> keys;
  keys.reserve(entries.size());
  for (const MarlogIndexEntry& entry : entries) keys.push_back(MarlogSortKey(entry));
  for (std::size_t p = 0; p < entries.size(); ++p) {
    for (std::size_t q = p + 1; q < entries.size(); ++q) {
      if (keys[q] > keys[p]) {
        std::swap(keys[p], keys[q]);
        std::swap(entries[p], entries[q]);
      }
    }
  }
}

}  // namespace rcv
