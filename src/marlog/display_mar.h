// The "Display MAR" screen: the MARLOG index, the detail of a chosen
// maintenance record and the logs attached to it.
#pragma once

#include "marlog/mar_config.h"
#include "shell/screen.h"

namespace rcv {

// The command handler; always 1.
int DisplayMar(Screen& screen);

// Reads the index once, then shows it and the records chosen from it until
// the engineer quits.
void RunMarlogScreen(Screen& screen, const MarConfig& config);

}  // namespace rcv
