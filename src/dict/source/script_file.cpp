#include "dict/source/script_file.h"

#include "dict/source/script_sources.h"

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

std::string_view StoredText(std::string_view piece) {
  std::string_view text = piece.substr(0, piece.find('\0'));
  if (!text.empty() && IsDroppedLastByte(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

LoadedScript::LoadedScript(std::string_view image) {
  ForEachScriptLine(image, [this](std::string_view line) { lines.Append(line); });
}

void ForEachScriptLine(std::string_view content, const std::function<void(std::string_view)>& store) {
  while (!content.empty()) {
    const std::string_view piece = NextPiece(content);
    store(StoredText(piece));
    content.remove_prefix(piece.size());
  }
}

std::vector<std::string> SplitScriptLines(std::string_view content) {
  std::vector<std::string> lines;
  ForEachScriptLine(content, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

int LoadScriptLines(const std::string& path, LineStore& lines, ScriptSources* sources) {
  lines.Free();
  if (sources == nullptr) return -1;
  const std::shared_ptr<const LoadedScript> loaded = sources->Script(path);
  if (!loaded) return -1;
  lines.Assign(std::shared_ptr<const ScriptLines>(loaded, &loaded->lines));
  return 0;
}

}  // namespace rcv
