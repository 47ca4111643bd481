// The "TQR setting" command: a small menu that opens the trap list or the
// ignore list of the trap and ignore RC table. CE mode only.
#pragma once

#include "shell/screen.h"

namespace rcv {

inline constexpr int kTqrMenuTrap = 1;
inline constexpr int kTqrMenuIgnore = 2;
inline constexpr int kTqrMenuQuit = 9;

// 1 in user mode (doing nothing), -1 when it ends.
int TqrSetting(Screen& screen);

// kTqrMenuTrap for "1", kTqrMenuIgnore for "2", kTqrMenuQuit otherwise.
int ReadTqrMenuChoice(Screen& screen);

}  // namespace rcv
