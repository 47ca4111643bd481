#include "rclog/display_rc.h"

#include <string>

#include "dict/rc_lookup.h"
#include "rclog/rc_list.h"
#include "rclog/rc_log_erase.h"
#include "rclog/refer_rc_dictionary.h"
#include "shell/console.h"

namespace rcv {

namespace {

constexpr std::string_view kRcMenu =
    "-------- Display RC Menu --------\n"
    " 0 . RC List Display. (history)\n"
    " 1 . RC DICT Refer.\n"
    " 2 . RC LOG Erase.\n"
    " q . quit\n"
    "\n"
    "(0-2, [q]) : ";

}  // namespace

RcMenuChoice ReadRcMenuChoice(Console& console) {
  std::string answer;
  const bool read = InputLine(console, answer, kShortAnswerSize);
  StrToUpper(answer);
  console.out() << '\n';
  if (!read) return RcMenuChoice::kQuit;
  if (answer == "0") return RcMenuChoice::kList;
  if (answer == "1") return RcMenuChoice::kDictionary;
  if (answer == "2") return RcMenuChoice::kErase;
  return RcMenuChoice::kQuit;
}

int DisplayRc(Screen& screen, RcLookup lookup) {
  if (screen.mode != ViewMode::kCe) {
    ShowRcList(screen, lookup);
    return -1;
  }
  screen.out() << "\n<<Display RCs- Display Reference Code log and detail RCs>>\n\n";
  for (;;) {
    screen.out() << kRcMenu;
    switch (ReadRcMenuChoice(screen.console)) {
      case RcMenuChoice::kList:
        ShowRcList(screen, lookup);
        break;
      case RcMenuChoice::kDictionary:
        ReferRcDictionary(screen, lookup);
        break;
      case RcMenuChoice::kErase:
        screen.out() << "\n--- RC Log Erase ---\n\n";
        EraseRcLog(screen);
        break;
      case RcMenuChoice::kQuit:
        return 1;
    }
  }
}

int DisplayRc(Screen& screen) { return DisplayRc(screen, GetRcInfo); }

}  // namespace rcv
