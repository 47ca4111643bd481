// An RC typed by the engineer: 24 hexadecimal digits, blanks allowed anywhere
// (so that an RC copied from the list's RC column is taken as it stands).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/reference_code.h"

namespace rcv {

inline constexpr std::size_t kRcDigits = 2 * kReferenceCodeSize;

enum class RcInputCheck { kOk, kBadLength, kBadCharacter };

// Reads the answer's digits into `rc`; `rc` is only changed on kOk. The
// length is checked before the characters.
RcInputCheck ParseRcInput(std::string_view answer, ReferenceCode& rc);

// Two hexadecimal digits as one byte.
std::uint8_t HexPairToByte(char high, char low);

}  // namespace rcv
