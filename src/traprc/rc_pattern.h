// A reference code pattern: a value and a mask over the 24 hexadecimal
// digits of an RC. A mask digit F fixes its value digit; a mask digit 0 with
// a value digit 0 leaves the digit free, typed and shown as X. Typed text,
// the table's records and the lists all meet through these two functions.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "shell/reference_code.h"

namespace rcv {

inline constexpr std::size_t kRcPatternDigits = 2 * kReferenceCodeSize;
inline constexpr char kWildcardDigit = 'X';
// RtEn, unit ID, event code, failure code, additional code.
inline constexpr std::array<std::size_t, 5> kRcPatternFieldWidths = {2, 4, 2, 8, 8};

// Value and mask in the RC's own byte order (RtEn first, each number most
// significant byte first), so that byte i holds digits 2i and 2i + 1.
struct RcPattern {
  ReferenceCode value{};
  ReferenceCode mask{};
  bool operator==(const RcPattern&) const = default;
};

enum class RcPatternCheck { kOk, kNothing, kBadCharacter, kBadLength };

// Reads typed text: blanks, tabs and line ends may group the digits, lower
// case counts as upper case. On kBadCharacter `badCharacter` holds the first
// offending character (upper-cased); `pattern` is only changed on kOk.
RcPatternCheck ParseRcPattern(std::string_view text, RcPattern& pattern, char& badCharacter);

// The 24 digits as typed: value digits, X where value and mask digit are 0.
std::string FormatRcPattern(const RcPattern& pattern);

// The five fields of a formatted pattern.
std::array<std::string_view, 5> SplitRcPattern(std::string_view text);

}  // namespace rcv
