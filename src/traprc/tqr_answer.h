// One answer at a prompt of the TQR screens: read, upper-cased and followed
// by a line end. The end of input reads as an empty answer, which quits
// every one of these prompts.
#pragma once

#include <cstddef>
#include <string>

#include "shell/screen.h"

namespace rcv {

std::string ReadTqrAnswer(Screen& screen, std::size_t size);

// An empty answer or one beginning with Q.
bool IsQuitAnswer(const std::string& answer);

}  // namespace rcv
