#include "traprc/trap_rc_screen.h"

#include <cstdio>
#include <vector>

#include "shell/console.h"
#include "traprc/tqr_answer.h"
#include "traprc/trap_rc_edit.h"
#include "traprc/trap_rc_file.h"
#include "traprc/trap_rc_kind.h"

namespace rcv {

namespace {

constexpr std::string_view kListHeading =
    "      RC type  Unit Event Failure  Additional\n"
    "  No. /Enhance  ID  Code  Code     Code      \n"
    " ---- -------- ---- ----- -------- ----------\n";

void PrintTitleBox(Screen& screen, std::string_view name) {
  const std::string rule = " +" + std::string(name.size() + 2, '-') + "+\n";
  screen.out() << rule << " | " << name << " |\n" << rule;
}

void PrintList(Screen& screen, std::uint8_t kind, const std::vector<TrapRcView>& listed) {
  const TrapRcKindTexts texts = KindTexts(kind);
  PrintTitleBox(screen, texts.name);
  screen.out() << kListHeading;
  for (std::size_t row = 0; row < listed.size(); ++row) {
    const auto fields = SplitRcPattern(listed[row].pattern);
    char number[32];
    std::snprintf(number, sizeof number, "  %2zu", row);
    screen.out() << number << "    " << fields[0] << "     " << fields[1] << "  " << fields[2] << "   " << fields[3]
                 << ' ' << fields[4] << '\n';
  }
  if (listed.empty()) screen.out() << texts.emptyList << '\n';
  screen.out() << '\n';
}

std::vector<TrapRcView> ViewsOfKind(const std::vector<TrapRcView>& used, std::uint8_t kind) {
  std::vector<TrapRcView> listed;
  for (const TrapRcView& view : used) {
    if (view.kind == kind) listed.push_back(view);
  }
  return listed;
}

// Writes the changed table; false after the failure message. A table that
// another editor changed meanwhile is not written, and the next pass shows
// it as it now is.
bool SaveChange(Screen& screen, const std::string& confDir, const TrapRcTable& table, const TrapRcTable& loaded) {
  if (SaveTrapRcTable(screen.out(), confDir, table, loaded) != -1) return true;
  screen.out() << "TRAPRCTBL update failed.\n\n";
  return false;
}

}  // namespace

int ReadTrapRcAction(Screen& screen, std::uint8_t kind) {
  const std::string_view name = KindTexts(kind).name;
  for (;;) {
    screen.out() << " --- " << name << " install ---\n"
                 << " 0 . Add " << name << "\n"
                 << " 1 . Delete " << name << "\n"
                 << " q . quit\n"
                 << "\n"
                 << "(0-1, [q]) : ";
    const std::string answer = ReadTqrAnswer(screen, kShortAnswerSize);
    if (answer.empty() || answer == "Q") return kActionQuit;
    if (answer == "0") return kActionAdd;
    if (answer == "1") return kActionDelete;
    screen.out() << "Input No. error. (" << answer << ")\n\n";
  }
}

int RunTrapRcScreen(Screen& screen, const std::string& confDir, std::uint8_t kind) {
  for (;;) {
    TrapRcTable table;
    table.fill(kFreeKind);
    if (LoadTrapRcTable(screen.out(), confDir, table) != 1) {
      screen.out() << "TRAPRCTBL read failed.\n\n";
      return -1;
    }
    const TrapRcTable loaded = table;
    const std::vector<TrapRcView> used = UsedRecordViews(table);
    const std::vector<TrapRcView> listed = ViewsOfKind(used, kind);
    PrintList(screen, kind, listed);
    switch (ReadTrapRcAction(screen, kind)) {
      case kActionAdd:
        if (AddTrapRc(screen, table, used, kind) == 1 && !SaveChange(screen, confDir, table, loaded)) return -1;
        break;
      case kActionDelete:
        if (listed.empty()) {
          screen.out() << KindTexts(kind).name << " not set.\n";
          WaitEnterKey(screen.console);
        } else if (DeleteTrapRc(screen, table, listed) == 1 && !SaveChange(screen, confDir, table, loaded)) {
          return -1;
        }
        break;
      default:
        return 1;
    }
    screen.out() << '\n';
  }
}

}  // namespace rcv
