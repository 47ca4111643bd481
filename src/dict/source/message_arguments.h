// Argument markers of message lines: '%' and a digit 1 to 9 stand for
// arguments 1 to 9, '%' and ':' (the character after '9') for the tenth.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace rcv {

inline constexpr std::size_t kMessageArgumentCount = 10;
// A message line holds at most this many characters after replacement.
inline constexpr std::size_t kMessageLineMax = 255;

// Replaces the first marker of argument n (1 to 10) by `text`. Returns 0,
// or -1 with the line unchanged for another n or when the line lacks it.
int ReplaceArgMarker(std::string& line, int n, std::string_view text);

// Fills the markers of arguments 1, 2, ... up to the first empty argument,
// each in its first occurrence only; a line without '%' is left alone. The
// line is kept within kMessageLineMax characters.
void FillArgMarkers(std::string& line, std::span<const std::string> arguments);

}  // namespace rcv
