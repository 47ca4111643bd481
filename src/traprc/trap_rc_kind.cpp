#include "traprc/trap_rc_kind.h"

namespace rcv {

TrapRcKindTexts KindTexts(std::uint8_t kind) {
  if (kind == kTrapKind) return {"Trap RC", " ************* No Trap RC *******************"};
  return {"Ignore RC", " ************* No Ignore RC *****************"};
}

}  // namespace rcv
