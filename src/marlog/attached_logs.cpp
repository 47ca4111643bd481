#include "marlog/attached_logs.h"

#include "marlog/text_pieces.h"

namespace rcv {

namespace {

constexpr std::string_view kLogNameMark = "LOGNAME=";
constexpr std::string_view kLogEndMark = "---- log end ----";

// The name after the mark: leading double quotes skipped, up to the next
// double quote or line end.
std::string LogName(std::string_view afterMark) {
  const std::vector<std::string_view> words = SplitFields(afterMark, "\"\n");
  if (words.empty()) return std::string(kUnnamedLog);
  return std::string(words.front().substr(0, kAttachedLogNameMax));
}

}  // namespace

std::vector<AttachedLogEntry> ScanAttachedLogs(std::string_view file, std::size_t areaStart) {
  std::vector<AttachedLogEntry> logs;
  if (areaStart > file.size()) return logs;
  PieceReader reader(file.substr(areaStart), kAttachmentLineBufferSize);
  std::string_view piece;
  while (logs.size() < kAttachedLogsMax && reader.Next(piece)) {
    const std::string_view line = PieceText(piece);
    const std::size_t mark = line.find(kLogNameMark);
    if (mark == std::string_view::npos) continue;
    logs.push_back({LogName(line.substr(mark + kLogNameMark.size())), areaStart + reader.position()});
  }
  return logs;
}

std::string AttachedLogText(std::string_view file, std::size_t position) {
  std::string text;
  if (position > file.size()) return text;
  PieceReader reader(file.substr(position), kAttachmentLineBufferSize);
  std::string_view piece;
  while (reader.Next(piece)) {
    const std::string_view line = PieceText(piece);
    text += line;
    if (line.find(kLogEndMark) != std::string_view::npos) {
      text += '\n';
      break;
    }
  }
  return text;
}

}  // namespace rcv
