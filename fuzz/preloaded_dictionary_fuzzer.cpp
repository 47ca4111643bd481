// Runs arbitrary scripts through the preloaded dictionary road, from
// memory. The input is split as script_input.h says: run mode, RC text, and
// the script. The script is loaded once and looked up twice, as the
// variables live from the load to the release, then released.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "memory_dictionary.h"
#include "script_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const rcv::fuzz::ScriptInput input = rcv::fuzz::SplitScriptInput(rcv::fuzz::InputText(data, size));
  rcv::fuzz::MemoryDictionary memory(input.script);
  rcv::Dictionary& dictionary = memory.dictionary();
  const rcv::PreloadedDictionary preloaded(dictionary, rcv::fuzz::kFuzzedScript);
  if (!preloaded.loaded()) return 0;
  for (int lookup = 0; lookup < 2; ++lookup) {
    rcv::ScriptOutput output;
    std::string comment;
    const int result =
        dictionary.RunPreloaded(input.rcText, rcv::fuzz::kFuzzedScript, &output, &comment, input.mode).code();
    rcv::fuzz::CheckScriptOutput(result, output);
  }
  rcv::RcInfo info;
  static_cast<void>(dictionary.NamePreloaded(input.rcText, rcv::fuzz::kFuzzedScript, info));
  return 0;
}
