#include "dict/source/companion_file.h"

#include <algorithm>

#include "dict/source/companion_text.h"
#include "dict/source/csv_fields.h"

namespace rcv {
namespace {

constexpr std::string_view kMarkerLead = "/*";

// Calls `take` with each piece's text: up to bufferSize - 1 bytes, ending
// after a "\n" when one comes first, its text ending at a NUL byte.
template <typename Take>
void ForEachPiece(std::string_view image, std::size_t bufferSize, Take take) {
  const std::size_t room = bufferSize > 1 ? bufferSize - 1 : 1;
  while (!image.empty()) {
    const std::size_t newline = image.substr(0, room).find('\n');
    const std::string_view piece = image.substr(0, newline == std::string_view::npos ? room : newline + 1);
    take(piece.substr(0, piece.find('\0')));
    image.remove_prefix(piece.size());
  }
}

}  // namespace

std::vector<std::string> SplitCompanionPieces(std::string_view image, std::size_t bufferSize) {
  std::vector<std::string> pieces;
  ForEachPiece(image, bufferSize, [&pieces](std::string_view piece) { pieces.emplace_back(piece); });
  return pieces;
}

CompanionFile::CompanionFile(std::string_view image) {
  // The pieces never hold more than the file: one allocation, not a copy of
  // the text at every growth.
  text_.reserve(image.size());
  ForEachPiece(image, kCompanionLineBufferSize, [this](std::string_view piece) {
    text_.append(piece);
    start_.push_back(static_cast<std::uint32_t>(text_.size()));
  });
}

std::string_view CompanionFile::Piece(std::size_t index) const {
  return std::string_view(text_).substr(start_[index], start_[index + 1] - start_[index]);
}

std::optional<std::size_t> CompanionFile::FindIn(const Index& index, std::string_view text, std::size_t from) {
  const auto found = index.find(std::string(text));
  if (found == index.end()) return std::nullopt;
  const auto at = std::lower_bound(found->second.begin(), found->second.end(), from);
  if (at == found->second.end()) return std::nullopt;
  return *at;
}

std::optional<std::size_t> CompanionFile::FindKeyedRow(std::string_view key, std::size_t from) const {
  if (!keys_) {
    keys_.emplace();
    for (std::uint32_t i = 0; i < Count(); ++i) {
      (*keys_)[CutCopy(CsvFirstField(Piece(i)), kTableKeyFieldMax)].push_back(i);
    }
  }
  return FindIn(*keys_, key, from);
}

std::optional<std::size_t> CompanionFile::FindMarker(std::string_view marker, std::size_t from) const {
  if (!marker.starts_with(kMarkerLead)) return FindTrimmedLine(marker, from);
  if (!markers_) {
    markers_.emplace();
    for (std::uint32_t i = 0; i < Count(); ++i) {
      std::string line(Piece(i));
      TrimSpaces(line);
      if (line.starts_with(kMarkerLead)) (*markers_)[line].push_back(i);
    }
  }
  return FindIn(*markers_, marker, from);
}

std::optional<std::size_t> CompanionFile::FindTrimmedLine(std::string_view text, std::size_t from) const {
  for (std::size_t i = from; i < Count(); ++i) {
    std::string line(Piece(i));
    TrimSpaces(line);
    if (line == text) return i;
  }
  return std::nullopt;
}

}  // namespace rcv
