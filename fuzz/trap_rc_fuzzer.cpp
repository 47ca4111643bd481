// Reads arbitrary bytes as atraprc.tqr and types arbitrary keys at the trap
// and ignore RC screens. The input is two parts (fuzz_input.h): the table
// file, written under the default CONF_DIR, and the keys, typed first at the
// trap list, then again at the ignore list over the table it left. Every
// typed line is also read as an RC pattern, which must read back the same
// from its printed form.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "fuzz_tree.h"
#include "support/screen_harness.h"
#include "traprc/rc_pattern.h"
#include "traprc/trap_rc_file.h"
#include "traprc/trap_rc_screen.h"
#include "traprc/trap_rc_table.h"

namespace {

void CheckPatternRoundTrip(std::string_view typed) {
  rcv::RcPattern pattern;
  char bad = 0;
  if (rcv::ParseRcPattern(typed, pattern, bad) != rcv::RcPatternCheck::kOk) return;
  rcv::RcPattern again;
  if (rcv::ParseRcPattern(rcv::FormatRcPattern(pattern), again, bad) != rcv::RcPatternCheck::kOk || again != pattern) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const rcv::fixture::FixtureTree& tree = rcv::fuzz::FuzzTree();
  const auto parts = rcv::fuzz::SplitParts(rcv::fuzz::InputText(data, size), 2);
  tree.WriteFile(tree.DictionaryDir() / rcv::kTrapRcFileName, parts[0]);

  for (const std::uint8_t kind : {rcv::kTrapKind, rcv::kIgnoreKind}) {
    rcv::fixture::ScreenHarness harness{std::string(parts[1])};
    rcv::Screen screen = harness.screen();
    rcv::RunTrapRcScreen(screen, "rcdict", kind);
  }
  for (std::string_view keys = parts[1]; !keys.empty();) {
    const std::size_t end = keys.find('\n');
    CheckPatternRoundTrip(keys.substr(0, end));
    keys = end == std::string_view::npos ? std::string_view() : keys.substr(end + 1);
  }
  return 0;
}
