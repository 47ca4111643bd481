// The RC dictionary reference: the engineer types an RC and sees what the
// dictionary says about it.
#pragma once

#include "rclog/rc_line.h"
#include "shell/screen.h"

namespace rcv {

// Asks until a well-formed RC or a quit is typed, shows one RC and returns 1.
int ReferRcDictionary(Screen& screen, RcLookup lookup);

}  // namespace rcv
