#include "dict/file_section.h"

#include "dict/companion_text.h"

namespace rcv {

std::string CommentSectionMarker(std::string_view name) {
  return "/*" + std::string(name) + "*/";
}

std::string MessageSectionMarker(std::string_view name) {
  return "/*S" + std::string(name) + "*/";
}

namespace {

bool SkipToMarker(TextLineReader& reader, std::string_view marker) {
  std::string line;
  while (reader.ReadLine(line)) {
    TrimSpaces(line);
    if (line == marker) return true;
  }
  return false;
}

}  // namespace

SectionResult ReadFileSection(TextLineReader& reader, std::string_view marker,
                              const std::function<void(const std::string&)>& addLine) {
  if (!SkipToMarker(reader, marker)) return SectionResult::kMarkerNotFound;
  std::string line;
  for (std::size_t count = 0; count < kSectionLineLimit; ++count) {
    if (!reader.ReadLine(line)) return SectionResult::kEndOfFile;
    CutAtLineEnd(line);
    if (line == kSectionEndLine) return SectionResult::kEnded;
    addLine(line);
  }
  return SectionResult::kEnded;
}

}  // namespace rcv
