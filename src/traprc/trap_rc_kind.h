// The words a screen uses for a kind of record: "Trap RC" or "Ignore RC".
#pragma once

#include <cstdint>
#include <string_view>

#include "traprc/trap_rc_table.h"

namespace rcv {

struct TrapRcKindTexts {
  std::string_view name;       // "Trap RC"
  std::string_view emptyList;  // the list's line when it has no entry
};

// The trap kind has the trap texts; every other kind the ignore texts.
TrapRcKindTexts KindTexts(std::uint8_t kind);

}  // namespace rcv
