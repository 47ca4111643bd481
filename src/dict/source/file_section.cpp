#include "dict/source/file_section.h"

#include "dict/source/companion_text.h"

namespace rcv {

std::string CommentSectionMarker(std::string_view name) { return "/*" + std::string(name) + "*/"; }

std::string MessageSectionMarker(std::string_view name) { return "/*S" + std::string(name) + "*/"; }

bool SkipToSectionMarker(TextLineReader& reader, std::string_view marker) { return reader.SkipPastMarker(marker); }

SectionEnd ReadSectionLines(TextLineReader& reader, const std::function<void(const std::string&)>& addLine) {
  std::string line;
  for (std::size_t count = 0; count < kSectionLineLimit; ++count) {
    if (!reader.ReadLine(line)) return SectionEnd::kEndOfFile;
    CutAtLineEnd(line);
    if (line == kSectionEndLine) return SectionEnd::kEndLine;
    addLine(line);
  }
  return SectionEnd::kEndLine;
}

}  // namespace rcv
