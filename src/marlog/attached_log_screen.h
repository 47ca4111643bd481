// The list of the logs attached to a MAR file, and the display of each.
#pragma once

#include <string>
#include <string_view>

#include "marlog/attached_logs.h"
#include "marlog/mar_config.h"
#include "shell/screen.h"

namespace rcv {

// Lists the logs and shows those the engineer picks until he quits: 1, also
// when nothing is attached; -1 when the MAR file can't be opened or has no
// attachment area, after saying so.
int ShowAttachedLogList(Screen& screen, const MarConfig& config, std::string_view dirNameField);

// Shows one log from the MAR file at `path`, read afresh, then waits for
// ENTER.
void ShowAttachedLog(Screen& screen, const AttachedLogEntry& log, const std::string& path);

}  // namespace rcv
