// Adding and deleting one entry of the table in memory; the list screen
// writes the table when one of them reports a change.
#pragma once

#include <cstdint>
#include <span>

#include "shell/screen.h"
#include "traprc/trap_rc_table.h"

namespace rcv {

// Asks for a pattern and appends it as a record of `kind` unless the table
// is full or the pattern is already set (`used`: the views of all used
// records). 1 when the table changed, else 0.
int AddTrapRc(Screen& screen, TrapRcTable& table, std::span<const TrapRcView> used, std::uint8_t kind);

// Asks for a row of `listed` (the views of one kind) and removes its record
// once confirmed. 1 when the table changed, else 0.
int DeleteTrapRc(Screen& screen, TrapRcTable& table, std::span<const TrapRcView> listed);

}  // namespace rcv
