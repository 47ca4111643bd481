// Reads arbitrary bytes as sel.log: the whole input is the file, written
// into the tree of this process. The Display SEL screen lists it once, and
// the single "ds" run exports it into a file of the tree.
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "fuzz_tree.h"
#include "sel/display_sel.h"
#include "support/screen_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const rcv::fixture::FixtureTree& tree = rcv::fuzz::FuzzTree();
  tree.WriteFile(tree.VrkLogDir() / "sel.log", rcv::fuzz::InputText(data, size));

  rcv::fixture::ScreenHarness menu("0\n\nq\n");
  rcv::Screen menuScreen = menu.screen();
  rcv::DisplaySel(menuScreen);
  rcv::fixture::ScreenHarness single;
  single.options.singleCommand = single.options.selRun = true;
  single.options.outputFile = (tree.root() / "sel.txt").string();
  rcv::Screen singleScreen = single.screen();
  rcv::DisplaySel(singleScreen);
  return 0;
}
