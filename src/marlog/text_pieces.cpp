#include "marlog/text_pieces.h"

#include <algorithm>

namespace rcv {

bool PieceReader::Next(std::string_view& piece) {
  if (position_ >= text_.size() || pieceMax_ == 0) return false;
  const std::string_view rest = text_.substr(position_, pieceMax_);
  const std::size_t lineFeed = rest.find('\n');
  piece = lineFeed == std::string_view::npos ? rest : rest.substr(0, lineFeed + 1);
  position_ += piece.size();
  return true;
}

std::string_view PieceText(std::string_view piece) { return piece.substr(0, piece.find('\0')); }

std::vector<std::string_view> SplitFields(std::string_view text, std::string_view separators) {
  std::vector<std::string_view> fields;
  std::size_t start = text.find_first_not_of(separators);
  while (start != std::string_view::npos) {
    const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
    fields.push_back(text.substr(start, end - start));
    start = text.find_first_not_of(separators, end);
  }
  return fields;
}

}  // namespace rcv
