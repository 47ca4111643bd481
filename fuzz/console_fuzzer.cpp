// Types arbitrary bytes at the console: the whole input is what the
// keyboard sends. Lines are read into each destination size the screens
// pass, in turn, with the ENTER wait and the yes/no question between them,
// until the input ends.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_input.h"
#include "shell/console.h"

namespace {

constexpr std::array<std::size_t, 8> kSizes = {0,
                                               1,
                                               rcv::kShortAnswerSize,
                                               rcv::kNumberAnswerSize,
                                               rcv::kPagingAnswerSize,
                                               rcv::kCommandWordSize,
                                               rcv::kRcAnswerSize,
                                               rcv::kInputLineBufferSize + 1};

bool IsPrintable(char c) { return c >= 0x20 && c <= 0x7E; }

// A line as read: within its size, printable characters only.
bool IsSound(const std::string& line, std::size_t size) {
  if (line.size() + 1 > std::max<std::size_t>(size, 1)) return false;
  for (char c : line) {
    if (!IsPrintable(c)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in{std::string(rcv::fuzz::InputText(data, size))};
  std::ostringstream out;
  rcv::Console console(in, out);
  for (std::size_t turn = 0; !console.AtEnd(); ++turn) {
    const std::size_t lineSize = kSizes[turn % kSizes.size()];
    std::string line = "untouched";
    if (rcv::InputLine(console, line, lineSize) ? !IsSound(line, lineSize) : line != "untouched") __builtin_trap();
    if (turn % 5 == 3) rcv::WaitEnterKey(console);
    if (turn % 7 == 4) rcv::AskYesNo(console, "? ");
  }
  return 0;
}
