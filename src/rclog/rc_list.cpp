#include "rclog/rc_list.h"

#include <ostream>
#include <string>
#include <vector>

#include "dict/rc_lookup.h"
#include "shell/console.h"

namespace rcv {

namespace {

// The list shows a failed lookup and an empty name alike.
std::string ListedRcName(const ReferenceCode& rc, RcLookup lookup) {
  const std::optional<std::string> name = LookUpRcName(rc, lookup);
  return name && !name->empty() ? *name : std::string(kRcNameUnknown);
}

// Reads answers until the operator asks for the next page (true) or leaves
// the list (false). The end of input leaves the list.
bool AskForNextPage(Console& console, int pageResult) {
  for (;;) {
    std::string answer;
    if (!InputLine(console, answer, kPagingAnswerSize)) return false;
    StrToUpper(answer);
    if (!answer.empty() && answer[0] == 'Q') return false;
    if (answer.empty() && pageResult == kRcPageMoreFollows) return true;
    PrintPagePrompt(console.out(), pageResult);
  }
}

}  // namespace

int PrintRcPage(std::ostream& out, std::span<const RcEntry> entries, std::size_t& cursor, ViewMode mode,
                RcLookup lookup) {
  out << RcLineHeading(mode);
  for (std::size_t printed = 0; printed < kRcPageSize && cursor < entries.size(); ++printed) {
    const RcEntry& entry = entries[cursor];
    // The columns stand on the terminal before the lookup runs, so whatever
    // the dictionary prints on the way appears between them and the name.
    out << FormatRcColumns(entry, mode);
    if (mode == ViewMode::kCe) out << std::flush << ListedRcName(entry.rc, lookup);
    out << '\n';
    ++cursor;
  }
  if (cursor < entries.size()) return kRcPageMoreFollows;
  out << kRcEndOfData << '\n';
  return kRcPageLast;
}

void PrintPagePrompt(std::ostream& out, int pageResult) {
  out << (pageResult == kRcPageMoreFollows ? "-- more (q:quit) --\n" : "-- (q:quit) --\n");
}

int ShowRcList(Screen& screen, RcLookup lookup) {
  std::vector<RcEntry> entries;
  if (LoadRcLog(screen.out(), entries) < 0) return -1;
  if (entries.empty()) {
    screen.out() << kRcLogEmpty << "\n\n";
    WaitEnterKey(screen.console);
    screen.out() << '\n';
    return 1;
  }
  std::size_t cursor = 0;
  for (;;) {
    const int pageResult = PrintRcPage(screen.out(), entries, cursor, screen.mode, lookup);
    PrintPagePrompt(screen.out(), pageResult);
    if (!AskForNextPage(screen.console, pageResult)) return 1;
  }
}

}  // namespace rcv
