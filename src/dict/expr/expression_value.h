// The texts that values travel as between the steps of an expression:
// operands of hexadecimal digits with the wildcards "X" and "S", truth
// values "T" and "N", and numbers written in upper-case hexadecimal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rcv {

// A token or value text holds at most this many characters.
inline constexpr std::size_t kValueTextMax = 29;

// Character classes of the "C" locale, safe for bytes of 0x80 and above.
inline bool IsLetterOrDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool IsSpaceChar(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Appends as much of `piece` as keeps `text` within `limit` characters.
inline void AppendCut(std::string& text, std::string_view piece, std::size_t limit) {
  if (text.size() < limit) text.append(piece.substr(0, limit - text.size()));
}

// A hexadecimal digit of either case, "X" or "S".
bool IsOperandChar(char c);
// True when every character is an operand character; true for "".
bool IsOperandText(std::string_view text);

// Reads base 16 like strtol: leading blanks, a sign and "0x"/"0X" are
// taken, reading stops at the first non-digit, no digits read as 0, and the
// value saturates at the limits of a signed 32-bit integer.
std::int32_t ReadValueNumber(std::string_view text);
// Upper-case hexadecimal of the 32-bit two's-complement bits, no leading
// zeros ("%X").
std::string WriteValueNumber(std::int32_t value);

// A truth value is a text whose first character is "T" (true) or "N".
inline constexpr char kTrueMark = 'T';
inline constexpr char kFalseMark = 'N';
bool IsTrueText(std::string_view text);

}  // namespace rcv
