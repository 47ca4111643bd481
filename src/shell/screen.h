// What every command handler is given: the terminal, the access mode and
// the state that start-up fixed for the whole run.
#pragma once

#include "base/text_conversion.h"
#include "shell/console.h"
#include "shell/machine_identity.h"
#include "shell/run_options.h"

namespace rcv {

struct Screen {
  Console& console;
  ViewMode mode;
  const RunOptions& options;
  const MachineIdentity& identity;
  const TextConversion& conversion;

  std::ostream& out() { return console.out(); }
  bool IsCeMode() const { return mode == ViewMode::kCe; }
};

using CommandHandler = int (*)(Screen& screen);

}  // namespace rcv
