#include "rclog/refer_rc_dictionary.h"

#include <optional>
#include <string>

#include "dict/rc_lookup.h"
#include "rclog/rc_detail.h"
#include "rclog/rc_input.h"
#include "shell/console.h"

namespace rcv {

namespace {

// Reads answers until one is a well-formed RC; nothing when the engineer
// quits with an empty answer or one beginning with "Q", or input ends.
std::optional<ReferenceCode> AskForRc(Screen& screen) {
  for (;;) {
    screen.out() << "Enter RC ([quit]) :";
    std::string answer;
    if (!InputLine(screen.console, answer, kRcAnswerSize)) answer.clear();
    StrToUpper(answer);
    if (answer.empty() || answer[0] == 'Q') return std::nullopt;
    ReferenceCode rc{};
    switch (ParseRcInput(answer, rc)) {
      case RcInputCheck::kOk:
        return rc;
      case RcInputCheck::kBadLength:
        screen.out() << "RC length is invalid.\n";
        break;
      case RcInputCheck::kBadCharacter:
        screen.out() << "Invalid character is contained.\n";
        break;
    }
  }
}

void ShowLookupFailure(Screen& screen, const ReferenceCode& rc, int result) {
  screen.out() << (result == kRcNotInDictionary ? "RC Not Hit. ( " : "RC Search error. ( ") << FormatReferenceCode(rc)
               << " )\n";
}

}  // namespace

int ReferRcDictionary(Screen& screen, RcLookup lookup) {
  const std::optional<ReferenceCode> rc = AskForRc(screen);
  if (!rc) {
    screen.out() << '\n';
    return 1;
  }
  RcInfo info;
  const int result = lookup(RcKeyOf(*rc), info);
  if (result >= 0) {
    ShowRcDetail(screen, *rc, info, result);
  } else {
    ShowLookupFailure(screen, *rc, result);
  }
  WaitEnterKey(screen.console);
  screen.out() << '\n';
  return 1;
}

}  // namespace rcv
