#include "dict/script_file.h"

#include "shell/regular_file.h"

namespace rcv {
namespace {

bool IsDroppedLastByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte >= 0x80;
}

// One line buffer's worth: up to the "\n" or the buffer's room.
std::string_view NextPiece(std::string_view content) {
  const std::size_t room = kScriptLineBufferSize - 1;
  const std::size_t newline = content.substr(0, room).find('\n');
  return content.substr(0, newline == std::string_view::npos ? room : newline + 1);
}

std::string StoredText(std::string_view piece) {
  std::string_view text = piece.substr(0, piece.find('\0'));
  if (!text.empty() && IsDroppedLastByte(text.back())) text.remove_suffix(1);
  return std::string(text);
}

}  // namespace

std::vector<std::string> SplitScriptLines(std::string_view content) {
  std::vector<std::string> lines;
  while (!content.empty()) {
    const std::string_view piece = NextPiece(content);
    lines.push_back(StoredText(piece));
    content.remove_prefix(piece.size());
  }
  return lines;
}

int LoadScriptLines(const std::string& path, LineStore& lines) {
  lines.Free();
  std::string content;
  if (!ReadRegularFile(path, content)) return -1;
  for (std::string& line : SplitScriptLines(content)) lines.AppendLine(std::move(line));
  return 0;
}

}  // namespace rcv
