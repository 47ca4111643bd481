// Reads arbitrary bytes as rc.log: the whole input is the file, written into
// the tree of this process. The RC list pages through it to its end in user
// and CE mode, and Save RC writes it as text beside it, asked and as a
// single "sr" run with a record limit.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "fuzz_input.h"
#include "fuzz_tree.h"
#include "rclog/rc_list.h"
#include "rclog/save_rc.h"
#include "support/screen_harness.h"

namespace {

// Names an RC from its bytes, so that unknown RCs, empty names and names
// of the full width all occur.
int NameFromBytes(std::span<const std::uint8_t, rcv::kRcKeySize> rc, rcv::RcInfo& info) {
  if (rc[0] % 3 == 0) return -1;
  info.rcName.assign(rc[1] % (rcv::kRcNameMax + 1), 'N');
  return 1;
}

// Enough line ends to page through a full ring of 128 pages.
const std::string kPageThrough(200, '\n');

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const rcv::fixture::FixtureTree& tree = rcv::fuzz::FuzzTree();
  tree.WriteFile(tree.VrkLogDir() / "rc.log", rcv::fuzz::InputText(data, size));

  for (const rcv::ViewMode mode : {rcv::ViewMode::kUser, rcv::ViewMode::kCe}) {
    rcv::fixture::ScreenHarness list(kPageThrough, mode);
    rcv::Screen screen = list.screen();
    rcv::ShowRcList(screen, NameFromBytes);
  }
  rcv::fixture::ScreenHarness asked("y\n\n", rcv::ViewMode::kUser);
  rcv::Screen askedScreen = asked.screen();
  rcv::SaveRc(askedScreen, NameFromBytes);
  rcv::fixture::ScreenHarness single;
  single.options.singleCommand = single.options.saveRcRun = true;
  single.options.recordLimit = 100;
  rcv::Screen singleScreen = single.screen();
  rcv::SaveRc(singleScreen, NameFromBytes);
  return 0;
}
