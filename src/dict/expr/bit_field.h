// The bit-field suffix of an operand: A5(0-3) selects bits by position,
// counted from the most significant written digit.
#pragma once

#include <string>

namespace rcv {

// When the token begins with an operand character and holds "(", replaces
// it by the selected bits written as a number (or by the operand text alone
// when that reads as 0). Other tokens are left unchanged.
void ExtractBits(std::string& token);

}  // namespace rcv
