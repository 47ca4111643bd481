// Runs arbitrary scripts through the preloaded dictionary road. The input
// is split as script_input.h says: run mode, RC text, and the script,
// written beside the demo dictionary so that companion files are found.
// The script is loaded once and looked up twice, as the variables live from
// the load to the release, then released.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "dict/preloaded_dictionary.h"
#include "fixture/demo_dictionary.h"
#include "fuzz_input.h"
#include "fuzz_tree.h"
#include "script_input.h"

namespace {

const std::string& ScriptPath() {
  static const std::string path = [] {
    const rcv::fixture::FixtureTree& tree = rcv::fuzz::FuzzTree();
    rcv::fixture::WriteDemoDictionary(tree);
    // Diagnostics and listings are not what is being tested.
    std::cout.rdbuf(nullptr);
    return (tree.DictionaryDir() / "fuzzed.csv").string();
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const rcv::fuzz::ScriptInput input = rcv::fuzz::SplitScriptInput(rcv::fuzz::InputText(data, size));

  const std::string& path = ScriptPath();
  rcv::fuzz::FuzzTree().WriteFile(path, input.script);
  if (rcv::PreloadDictionaryFile(path) == 1) {
    for (int lookup = 0; lookup < 2; ++lookup) {
      rcv::ScriptOutput output;
      std::string comment;
      const int result = rcv::RunPreloadedScript(input.rcText, path, &output, &comment, input.mode, nullptr);
      rcv::fuzz::CheckScriptOutput(result, output);
    }
    rcv::RcInfo info;
    rcv::GetRcNamePreloaded(input.rcText, path, info);
  }
  rcv::ReleaseRcDictionary();
  return 0;
}
