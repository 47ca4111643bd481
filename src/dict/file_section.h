// Sections of comment and message files: a section starts after its marker
// line ("/*name*/" or "/*Sname*/", found with the file line trimmed) and
// ends before the line "/*E*/".
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "dict/text_line_reader.h"

namespace rcv {

inline constexpr std::string_view kSectionEndLine = "/*E*/";
// A section is read for at most this many lines.
inline constexpr std::size_t kSectionLineLimit = 1000000;

enum class SectionResult {
  kMarkerNotFound,  // the file ended before the marker line
  kEnded,           // the "/*E*/" line or the line limit ended the section
  kEndOfFile,       // the file ended inside the section
};

// "/*name*/" for a comment section, "/*Sname*/" for a message section.
std::string CommentSectionMarker(std::string_view name);
std::string MessageSectionMarker(std::string_view name);

// Skips to the marker line, then hands every section line, cut at its first
// carriage return or line feed, to `addLine` in file order.
SectionResult ReadFileSection(TextLineReader& reader, std::string_view marker,
                              const std::function<void(const std::string&)>& addLine);

}  // namespace rcv
