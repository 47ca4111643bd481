// The RC list: the RC log newest first, 16 records a page, with a paging
// prompt that only "q" leaves on the last page.
#pragma once

#include <cstddef>
#include <ostream>
#include <span>

#include "rclog/rc_line.h"
#include "rclog/rc_log.h"
#include "shell/screen.h"

namespace rcv {

inline constexpr std::size_t kRcPageSize = 16;
inline constexpr int kRcPageMoreFollows = -1;
inline constexpr int kRcPageLast = 0;

// Prints the heading and up to 16 entries from `cursor`, which moves on.
// Returns -1 when more entries follow, 0 when the end was printed.
int PrintRcPage(std::ostream& out, std::span<const RcEntry> entries, std::size_t& cursor, ViewMode mode,
                RcLookup lookup);
void PrintPagePrompt(std::ostream& out, int pageResult);

// Returns 1 when the operator leaves the list or the log is empty, -1 when
// the log can't be read.
int ShowRcList(Screen& screen, RcLookup lookup);

}  // namespace rcv
