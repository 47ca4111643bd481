// The trap list and the ignore list: the entries of one kind, with the add
// and delete that write the table at once. Every pass reads the file again,
// so the list always shows what is on disk.
#pragma once

#include <cstdint>
#include <string>

#include "shell/screen.h"

namespace rcv {

inline constexpr int kActionAdd = 0;
inline constexpr int kActionDelete = 1;
inline constexpr int kActionQuit = 255;

// 1 when the engineer quits, -1 when the table can't be read or written.
int RunTrapRcScreen(Screen& screen, const std::string& confDir, std::uint8_t kind);

// kActionAdd, kActionDelete or kActionQuit; asks again after a wrong answer.
int ReadTrapRcAction(Screen& screen, std::uint8_t kind);

}  // namespace rcv
