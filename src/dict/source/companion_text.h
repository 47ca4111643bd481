// Small text helpers shared by the statements that read the dictionary's
// companion files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rcv {

// Removes leading blanks (' ' only) and trailing white space (blank, tab,
// line feed, vertical tab, form feed, carriage return), in place.
void TrimSpaces(std::string& text);

// Cuts the text at its first carriage return or line feed.
void CutAtLineEnd(std::string& text);

// Removes one trailing "\n", when there is one.
void DropTrailingNewline(std::string& text);

// Keeps at most `limit` characters: texts that don't fit a statement's
// buffer are cut at its size.
void CutToLimit(std::string& text, std::size_t limit);
std::string CutCopy(std::string_view text, std::size_t limit);

}  // namespace rcv
