// Runs the dictionary interpreter on arbitrary scripts, from memory. The
// input is split as script_input.h says: run mode, RC text, script.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dict/state/script_output.h"
#include "memory_dictionary.h"
#include "script_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const rcv::fuzz::ScriptInput input =
      rcv::fuzz::SplitScriptInput(std::string_view(reinterpret_cast<const char*>(data), size));
  rcv::fuzz::MemoryDictionary memory(input.script);
  rcv::ScriptOutput output;
  std::string comment;
  const int result =
      memory.dictionary().Run(input.rcText, rcv::fuzz::kFuzzedScript, &output, &comment, input.mode).code();
  rcv::fuzz::CheckScriptOutput(result, output);
  return 0;
}
