// What the dictionary says about one RC: the RC, its name, its comment and
// one box per FRU row, paged every 20 lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dict/rc_info.h"
#include "rclog/rc_pager.h"
#include "shell/reference_code.h"
#include "shell/screen.h"

namespace rcv {

// A FRU box cell: left-aligned, filled with blanks to `width` and cut there;
// an empty or all-blank text shows "-".
std::string FormatFruCell(std::string_view text, std::size_t width);

// `rowCount` is the lookup's result; no more rows than `info` holds are shown.
void ShowFruTable(RcPager& pager, const RcInfo& info, int rowCount);
int ShowRcDetail(Screen& screen, const ReferenceCode& rc, const RcInfo& info, int rowCount);

}  // namespace rcv
