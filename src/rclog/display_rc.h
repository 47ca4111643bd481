// The "dr" command: the RC list in user mode; in CE mode a menu of the RC
// list, the RC dictionary reference and the RC log erase.
#pragma once

#include "rclog/rc_line.h"
#include "shell/screen.h"

namespace rcv {

enum class RcMenuChoice { kList = 0, kDictionary = 1, kErase = 2, kQuit = 3 };

// Reads the menu answer; anything but "0", "1" or "2" (the end of input
// included) quits.
RcMenuChoice ReadRcMenuChoice(Console& console);

// Returns -1 in user mode, after the list; 1 in CE mode, when the menu is left.
int DisplayRc(Screen& screen);
int DisplayRc(Screen& screen, RcLookup lookup);

}  // namespace rcv
