#include "traprc/trap_rc_edit.h"

#include <cstdlib>
#include <string>

#include "shell/console.h"
#include "traprc/tqr_answer.h"

namespace rcv {

namespace {

// The answer as the pattern's buffer keeps it: its first 33 characters.
// When the cut drops anything but blanks, the pattern that remains is not
// the one typed, so it is refused rather than taken; a fault the cut text
// shows on its own (an invalid character) is still named first.
RcPatternCheck CheckCutAnswer(const std::string& answer, RcPattern& pattern, char& bad) {
  const std::size_t kept = kRcAnswerSize - 1;
  const bool typedCut = answer.size() > kept && answer.find_first_not_of(" \t", kept) != std::string::npos;
  RcPattern parsed;
  const RcPatternCheck check = ParseRcPattern(std::string_view(answer).substr(0, kept), parsed, bad);
  if (check == RcPatternCheck::kBadCharacter) return check;
  if (typedCut) return RcPatternCheck::kBadLength;
  if (check == RcPatternCheck::kOk) pattern = parsed;
  return check;
}

// Asks until the answer is a well-formed pattern; false when the engineer quits.
bool AskForPattern(Screen& screen, RcPattern& pattern) {
  for (;;) {
    screen.out() << "Input RC ([q]) : ";
    // Read whole, so that what the cut drops can be told.
    const std::string answer = ReadTqrAnswer(screen, kInputLineBufferSize);
    if (IsQuitAnswer(answer)) return false;
    char bad = 0;
    switch (CheckCutAnswer(answer, pattern, bad)) {
      case RcPatternCheck::kOk:
        return true;
      case RcPatternCheck::kNothing:
        screen.out() << "Input data is nothing.\n";
        break;
      case RcPatternCheck::kBadCharacter:
        screen.out() << "Input RC includes invalid character. (" << bad << ")\n\n";
        break;
      case RcPatternCheck::kBadLength:
        screen.out() << "Input RC length is invalid.\n\n";
        break;
    }
  }
}

// The message for a pattern that a record of `kind` already holds, or
// nothing when no record holds it.
std::string_view DuplicateMessage(std::span<const TrapRcView> used, const std::string& text, std::uint8_t kind) {
  for (const TrapRcView& view : used) {
    if (view.pattern != text) continue;
    if (view.kind == kind) return "The same RC is already set.";
    if (view.kind == kTrapKind) return "The same RC is already set as Trap RC.";
    if (view.kind == kIgnoreKind) return "The same RC is already set as Ignore RC.";
    return "The same RC is already set.";  // a kind no screen lists
  }
  return {};
}

// The chosen row, or -1 when the engineer quits.
long AskForRow(Screen& screen, std::size_t rows) {
  for (;;) {
    if (rows >= 2) {
      screen.out() << "Select RC No. (0-" << rows - 1 << ", [q]) : ";
    } else {
      screen.out() << "Select RC No. (0, [q:quit]) : ";
    }
    const std::string answer = ReadTqrAnswer(screen, kNumberAnswerSize);
    if (IsQuitAnswer(answer)) return -1;
    // As strtol reads it: leading blanks and a sign are taken, and digits
    // followed by other characters count when their number is not 0.
    char* end = nullptr;
    const long row = std::strtol(answer.c_str(), &end, 10);
    if (row == 0 && *end != '\0') {
      screen.out() << "Input No. error. (" << answer << ")\n";
    } else if (row < 0 || static_cast<std::size_t>(row) >= rows) {
      screen.out() << "Input No. error. (" << row << ")\n";
    } else {
      return row;
    }
  }
}

}  // namespace

int AddTrapRc(Screen& screen, TrapRcTable& table, std::span<const TrapRcView> used, std::uint8_t kind) {
  if (CountUsedRecords(table) >= kTrapRcUsedLimit) {
    screen.out() << "Trap and Ignore RC setting table is full.\n";
    WaitEnterKey(screen.console);
    return 0;
  }
  RcPattern pattern;
  if (!AskForPattern(screen, pattern)) return 0;
  // Compared as shown, so a fixed digit 0 and a free digit X differ.
  const std::string_view duplicate = DuplicateMessage(used, FormatRcPattern(pattern), kind);
  if (!duplicate.empty()) {
    screen.out() << duplicate << '\n';
    WaitEnterKey(screen.console);
    return 0;
  }
  AppendRecord(table, kind, pattern);
  return 1;
}

int DeleteTrapRc(Screen& screen, TrapRcTable& table, std::span<const TrapRcView> listed) {
  const long row = AskForRow(screen, listed.size());
  if (row < 0) return 0;
  const TrapRcView& view = listed[static_cast<std::size_t>(row)];
  const auto fields = SplitRcPattern(view.pattern);
  screen.out() << fields[0] << ' ' << fields[1] << ' ' << fields[2] << ' ' << fields[3] << ' ' << fields[4] << '\n';
  if (AskYesNo(screen.console, "Delete above RC? (y/[n]) : ") != 1) return 0;
  RemoveRecord(table, view.fileIndex);
  return 1;
}

}  // namespace rcv
