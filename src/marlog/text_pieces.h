// The MARLOG files are text that the monitoring service writes and that is
// read the way a fixed line buffer reads it: a line longer than the buffer
// arrives as several pieces, and a zero byte ends the text of its piece.
// Fields are runs of characters between separators; consecutive separators
// count as one, so no field is ever empty.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace rcv {

// Hands out the pieces of a text one by one: each is at most bufferSize - 1
// bytes and ends after the first line feed it reaches.
class PieceReader {
 public:
  PieceReader(std::string_view text, std::size_t bufferSize) : text_(text), pieceMax_(bufferSize - 1) {}
  // False at the end of the text.
  bool Next(std::string_view& piece);
  // The offset just after the last piece handed out.
  std::size_t position() const { return position_; }

 private:
  std::string_view text_;
  std::size_t pieceMax_;
  std::size_t position_ = 0;
};

// The piece up to its first zero byte, as a text buffer holds it.
std::string_view PieceText(std::string_view piece);

// The fields of a text separated by any of `separators`, empty ones left out.
std::vector<std::string_view> SplitFields(std::string_view text, std::string_view separators);

}  // namespace rcv
