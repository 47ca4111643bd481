#include "marlog/display_mar.h"

#include <vector>

#include "marlog/attached_log_screen.h"
#include "marlog/marlog_index_screen.h"
#include "marlog/number_prompt.h"
#include "marlog/show_mar_record.h"

namespace rcv {

void RunMarlogScreen(Screen& screen, const MarConfig& config) {
  std::vector<MarlogIndexEntry> entries;
  if (LoadMarlogIndex(screen.out(), config, entries) != 1) {
    screen.out() << "MARLOG not exist.\n\n";
    return;
  }
  // Every line of the index can be chosen, also those after a blank line
  // that ended the rows shown.
  const auto rows = static_cast<std::uint32_t>(entries.size());
  for (;;) {
    PrintMarlogIndex(screen.out(), config, entries);
    const std::uint32_t chosen = InputNumberInRange(screen.console, 1, rows, "Select MARLOG No. [quit] : ");
    if (chosen == kNumberQuit) return;
    const MarlogIndexEntry& entry = entries[chosen - 1];
    if (ShowMarRecord(screen, config, entry.dirName) != 1) {
      screen.out() << "MARLOG read failed.\n\n";
      return;
    }
    if (ShowAttachedLogList(screen, config, entry.dirName) != 1) screen.out() << "MARLOG attached log read failed.\n\n";
  }
}

int DisplayMar(Screen& screen) {
  MarConfig config;
  if (LoadMarConfig(screen.out(), config) == 1) {
    RunMarlogScreen(screen, config);
  } else {
    screen.out() << "No MARLOG configuration.\n\n";
  }
  return 1;
}

}  // namespace rcv
