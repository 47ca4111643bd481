#include "shell/console.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace rcv {

namespace {

constexpr int kLineFeed = 0x0A;
constexpr int kBackspace = 0x08;
constexpr int kDelete = 0x7F;
constexpr int kEscape = 0x1B;

bool IsPrintable(int c) { return c >= 0x20 && c <= 0x7E; }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

// Swallows what a cursor or function key sends after ESC: two characters,
// and up to two more digits when the second was a digit (ESC [ 1 5 ~).
// Returns false when input ended on the way.
bool SkipEscapeSequence(Console& console) {
  int c = console.GetChar();
  if (c == EOF) return false;
  c = console.GetChar();
  if (c == EOF) return false;
  for (int extra = 0; extra < 2 && IsDigit(c); ++extra) {
    c = console.GetChar();
    if (c == EOF) return false;
  }
  return true;
}

}  // namespace

int Console::GetChar() {
  if (atEnd_) return EOF;
  out_.flush();
  const int c = in_.get();
  if (c == std::char_traits<char>::eof()) {
    atEnd_ = true;
    return EOF;
  }
  return static_cast<unsigned char>(c);
}

void EraseLastChar(Console& console) { console.out() << "\b \b"; }

bool InputLine(Console& console, std::string& dest, std::size_t size) {
  // The line buffer keeps at most 1023 characters; those typed beyond are
  // counted, so that as many erases are needed before typing shows again.
  std::string line;
  std::size_t count = 0;
  for (;;) {
    const int c = console.GetChar();
    if (c == EOF) return false;
    if (IsPrintable(c)) {
      if (count < kInputLineBufferSize - 1) line.resize(count), line += static_cast<char>(c);
      ++count;
    } else if (c == kLineFeed) {
      console.out() << '\n';
      line.resize(std::min(count, line.size()));
      dest = line.substr(0, size == 0 ? 0 : size - 1);
      return true;
    } else if (c == kBackspace || c == kDelete) {
      if (count > 0) {
        EraseLastChar(console);
        --count;
      }
    } else if (c == kEscape) {
      if (!SkipEscapeSequence(console)) return false;
    }
  }
}

void WaitEnterKey(Console& console) {
  console.out() << "PRESS ENTER KEY\n";
  for (int c = console.GetChar(); c != EOF && c != kLineFeed; c = console.GetChar()) {
  }
}

int AskYesNo(Console& console, std::string_view prompt) {
  console.out() << prompt;
  std::string answer;
  InputLine(console, answer, kShortAnswerSize);
  StrToUpper(answer);
  return answer == "Y" ? 1 : -1;
}

void StrToUpper(std::string& text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

int IsHexString(std::string_view text) {
  for (char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return 1;
  }
  return 0;
}

}  // namespace rcv
