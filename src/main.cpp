// RC Viewer: the console maintenance viewer. Everything but the command
// table lives in the library; main binds it to the terminal.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "marlog/display_mar.h"
#include "rclog/display_rc.h"
#include "rclog/save_rc.h"
#include "sel/display_sel.h"
#include "shell/command_menu.h"
#include "shell/standard_output.h"
#include "traprc/tqr_setting.h"

namespace {

// clang-format off
constexpr rcv::CommandEntry kCommands[] = {
    {"dr", "Display RC", &rcv::DisplayRc, 0xC0},
    {"ds", "Display SEL", &rcv::DisplaySel, 0x80},
    {"dm", "Display MAR", &rcv::DisplayMar, 0x80},
    {"tqr", "TQR setting", &rcv::TqrSetting, 0x80},
    {"sr", "Save RC", &rcv::SaveRc, 0xC0},
};
// clang-format on

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv, argv + argc);
  const int status = rcv::RunViewer(args, kCommands, std::cin, std::cout, std::getenv("LANG"));
  // Only the usage and the version end in success; the statuses of a run
  // of the screens stay what they are, a failed write is only reported.
  return rcv::FinishStandardOutput("rcviewer", status,
                                   status == rcv::kExitInformation ? rcv::kExitWriteFailed : status);
}
