#include "traprc/tqr_setting.h"

#include <string>

#include "shell/console.h"
#include "traprc/tqr_answer.h"
#include "traprc/trap_rc_file.h"
#include "traprc/trap_rc_screen.h"

namespace rcv {

namespace {

constexpr std::string_view kTqrMenu =
    "-------- TQR set up Menu --------\n"
    " 1 . Setting Trap RC\n"
    " 2 . Setting Ignore RC\n"
    " q . quit\n"
    "\n"
    "(1-2, [q]) : ";

}  // namespace

int ReadTqrMenuChoice(Screen& screen) {
  const std::string answer = ReadTqrAnswer(screen, kShortAnswerSize);
  if (answer == "1") return kTqrMenuTrap;
  if (answer == "2") return kTqrMenuIgnore;
  return kTqrMenuQuit;
}

int TqrSetting(Screen& screen) {
  if (!screen.IsCeMode()) return 1;
  // Read on every entry, so that a changed setup file counts at once.
  std::string confDir;
  if (LoadTrapRcDir(screen.out(), confDir) != 1) return -1;
  screen.out() << "\n<<TQR setup - display/edit TQR threshold setting.>>\n\n";
  for (;;) {
    screen.out() << kTqrMenu;
    switch (ReadTqrMenuChoice(screen)) {
      case kTqrMenuTrap:
        RunTrapRcScreen(screen, confDir, kTrapKind);
        break;
      case kTqrMenuIgnore:
        RunTrapRcScreen(screen, confDir, kIgnoreKind);
        break;
      default:
        return -1;
    }
  }
}

}  // namespace rcv
