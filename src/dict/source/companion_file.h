// A companion file (table, comment or message file) as the statements read
// it: in pieces of at most kCompanionLineBufferSize - 1 bytes, each ending
// after a "\n" when one comes first, a NUL byte ending a piece's text. The
// rows of a table and the section markers of a comment or message file are
// found through indexes built on first use, not by reading every line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rcv {

// Table, comment and message files are read through a line buffer of this
// size: a piece holds at most 255 bytes, the "\n" included.
inline constexpr std::size_t kCompanionLineBufferSize = 256;
// A row's key field is compared in at most this many characters.
inline constexpr std::size_t kTableKeyFieldMax = 19;

// The pieces of `image` read through a line buffer of `bufferSize` bytes.
std::vector<std::string> SplitCompanionPieces(std::string_view image, std::size_t bufferSize);

class CompanionFile {
 public:
  explicit CompanionFile(std::string_view image);

  std::size_t Count() const { return start_.size() - 1; }
  std::string_view Piece(std::size_t index) const;
  std::size_t Bytes() const { return text_.size() + start_.size() * sizeof(std::uint32_t); }

  // The first piece from `from` on whose table key (field 0, cut at
  // kTableKeyFieldMax characters) equals `key`.
  std::optional<std::size_t> FindKeyedRow(std::string_view key, std::size_t from) const;
  // The first piece from `from` on that, trimmed of leading blanks and
  // trailing white space, equals `marker`. Markers begin with "/*"; the
  // pieces that do are indexed.
  std::optional<std::size_t> FindMarker(std::string_view marker, std::size_t from) const;
  std::optional<std::size_t> FindTrimmedLine(std::string_view text, std::size_t from) const;

 private:
  using Index = std::unordered_map<std::string, std::vector<std::uint32_t>>;
  static std::optional<std::size_t> FindIn(const Index& index, std::string_view text, std::size_t from);

  std::string text_;
  std::vector<std::uint32_t> start_{0};
  // Built on first use; the file itself never changes once read.
  mutable std::optional<Index> keys_;
  mutable std::optional<Index> markers_;
};

}  // namespace rcv
