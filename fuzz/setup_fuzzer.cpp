// Reads arbitrary text as the setup file and rcrev. The input is two parts
// (fuzz_input.h): vrk_setup.conf, then rcrev under the default CONF_DIR.
// The machine identity and the MARLOG settings are loaded from them, and
// single keys are looked up into buffers of every size the callers pass.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "fuzz_tree.h"
#include "marlog/mar_config.h"
#include "shell/machine_identity.h"
#include "shell/roots.h"
#include "shell/setup_file.h"

namespace {

struct SetupLookup {
  std::string_view section;
  std::string_view key;
  std::size_t valueSize;
};

constexpr SetupLookup kLookups[] = {
    {"COMMON", "CONF_DIR", rcv::kSetupValueSize},
    {"MAG", "MAR_STACK_MAX", rcv::kMarStackMaxValueSize},
    {"COMMON", "MODEL_NAME", 1},
    {"", "", 0},
    {"A_SECTION_NAME_LONGER_THAN_ITS_BUFFER", "A_KEY_NAME_LONGER_THAN_ITS_BUFFER_TOO", 2},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const rcv::fixture::FixtureTree& tree = rcv::fuzz::FuzzTree();
  const auto parts = rcv::fuzz::SplitParts(rcv::fuzz::InputText(data, size), 2);
  tree.WriteFile(tree.MainteData() / "vrk_setup.conf", parts[0]);
  tree.WriteFile(tree.DictionaryDir() / "rcrev", parts[1]);

  std::ostringstream out;
  rcv::MachineIdentity identity;
  if (rcv::LoadMachineIdentity(identity, out) == 1 && identity.rcRev.size() >= rcv::kRcRevLineSize) __builtin_trap();
  rcv::PrintIdentity(identity, out);
  rcv::MarConfig config;
  rcv::LoadMarConfig(out, config);

  for (const SetupLookup& lookup : kLookups) {
    std::string value;
    std::string message;
    const int result =
        rcv::GetSetupValue(lookup.section, lookup.key, rcv::SetupFilePath(), lookup.valueSize, value, &message);
    if (result == 0 && value.size() + 1 > std::max<std::size_t>(lookup.valueSize, 1)) __builtin_trap();
  }
  return 0;
}
