// The "sr" command: the RC log as a text file, newest record first. As the
// single command of a run it asks nothing, honours the record limit and
// prints nothing on success.
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "rclog/rc_line.h"
#include "rclog/rc_log.h"
#include "shell/screen.h"

namespace rcv {

// The file name when "-f" is not given, in the RC log's folder.
inline constexpr std::string_view kRcTextFileName = "rclog.txt";

// The whole text of the file: identity block, heading, lines, end line.
void WriteRcText(std::ostream& file, const Screen& screen, std::span<const RcEntry> entries, RcLookup lookup);

// Always returns 1; failures are told on the terminal.
int SaveRc(Screen& screen);
int SaveRc(Screen& screen, RcLookup lookup);

}  // namespace rcv
