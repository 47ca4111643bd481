// Erasing the RC log: the header's record count and next slot go back to 0,
// so that the log reads as empty; the records themselves stay in the file.
#pragma once

#include "shell/screen.h"

namespace rcv {

// Asks first. Returns 1 when erased or not confirmed, -1 on failure.
int EraseRcLog(Screen& screen);

}  // namespace rcv
