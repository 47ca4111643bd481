// Sections of comment and message files: a section starts after its marker
// line ("/*name*/" or "/*Sname*/", found with the file line trimmed) and
// ends before the line "/*E*/".
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "dict/source/text_line_reader.h"

namespace rcv {

inline constexpr std::string_view kSectionEndLine = "/*E*/";
// A section is read for at most this many lines.
inline constexpr std::size_t kSectionLineLimit = 1000000;

enum class SectionEnd {
  kEndLine,    // the "/*E*/" line, or the line limit, ended the section
  kEndOfFile,  // the file ended inside the section
};

// "/*name*/" for a comment section, "/*Sname*/" for a message section.
std::string CommentSectionMarker(std::string_view name);
std::string MessageSectionMarker(std::string_view name);

// Reads on past the first line that, trimmed, equals the marker; false
// when the file ends first.
bool SkipToSectionMarker(TextLineReader& reader, std::string_view marker);

// Hands every following section line, cut at its first carriage return or
// line feed, to `addLine` in file order.
SectionEnd ReadSectionLines(TextLineReader& reader, const std::function<void(const std::string&)>& addLine);

}  // namespace rcv
