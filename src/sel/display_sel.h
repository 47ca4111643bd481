// The "Display SEL" screen and the SEL export of the single command "ds".
#pragma once

#include "shell/screen.h"

namespace rcv {

int DisplaySel(Screen& screen);
// Reads and lists sel.log: 1 on success, -1 on failure.
int ShowSelHistory(Screen& screen);
// 0 for "0", 1 for "1", 2 for anything else.
int ReadSelMenuChoice(Screen& screen);
void PauseUnlessSelRun(Screen& screen);

}  // namespace rcv
