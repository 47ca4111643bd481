#include "marlog/marlog_index.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
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
    entries.push_back(EntryFromFields(SplitFields(PieceText(piece), kIndexSeparators)));
  }
  return entries;
}

std::size_t ShownMarlogRows(const std::vector<MarlogIndexEntry>& entries) {
  const auto end = std::find_if(entries.begin(), entries.end(), [](const auto& e) { return e.presence.empty(); });
  return static_cast<std::size_t>(end - entries.begin());
}

double MarlogSortKey(const MarlogIndexEntry& entry) {
  const std::string key = entry.date + entry.time;
  const double value = std::strtod(key.c_str(), nullptr);
  return std::isnan(value) ? -std::numeric_limits<double>::infinity() : value;
}

void SortMarlogIndex(std::vector<MarlogIndexEntry>& entries) {
  // Each key is read once and travels with its entry.
  const std::size_t shown = ShownMarlogRows(entries);
  std::vector<std::pair<double, MarlogIndexEntry>> keyed;
  keyed.reserve(shown);
  for (std::size_t i = 0; i < shown; ++i) keyed.emplace_back(MarlogSortKey(entries[i]), std::move(entries[i]));
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (std::size_t i = 0; i < keyed.size(); ++i) entries[i] = std::move(keyed[i].second);
}

}  // namespace rcv
