// Checks arbitrary text as a dictionary script: the whole input is a top
// script written beside the demo dictionary, so that its EXEC, FILE and
// comment statements reach real scripts and companion files. The whole
// input is also checked as a condition.
#include <cstddef>
#include <cstdint>
#include <string>

#include "dict/dictionary_check.h"
#include "fixture/demo_dictionary.h"
#include "fuzz_input.h"
#include "fuzz_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const rcv::fixture::FixtureTree& tree = rcv::fuzz::FuzzTree();
  static const bool written = (rcv::fixture::WriteDemoDictionary(tree), true);
  static_cast<void>(written);
  const std::string path = (tree.DictionaryDir() / "fuzzed.csv").string();
  const std::string_view script = rcv::fuzz::InputText(data, size);
  tree.WriteFile(path, script);
  rcv::CheckDictionary(path);
  rcv::ExpressionProblem(script);
  return 0;
}
