// All keyboard input: a line reader with its own erase and escape handling,
// the ENTER wait, the yes/no question. The terminal stays in line mode and
// echoes what is typed; the reader echoes only the line end and erases.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace rcv {

// Destination sizes the screens pass to InputLine.
inline constexpr std::size_t kCommandWordSize = 10;
inline constexpr std::size_t kShortAnswerSize = 3;
inline constexpr std::size_t kNumberAnswerSize = 4;
inline constexpr std::size_t kPagingAnswerSize = 6;
inline constexpr std::size_t kRcAnswerSize = 34;
// InputLine's own line buffer.
inline constexpr std::size_t kInputLineBufferSize = 1024;

// The terminal as the screens see it: characters in, text out.
class Console {
 public:
  Console(std::istream& in, std::ostream& out) : in_(in), out_(out) {}
  std::ostream& out() { return out_; }
  // Next input character, or EOF once input is exhausted; flushes pending
  // output first so that a prompt is seen before the program waits.
  int GetChar();
  bool AtEnd() const { return atEnd_; }

 private:
  std::istream& in_;
  std::ostream& out_;
  bool atEnd_ = false;
};

// Reads one line into `dest` (at most size - 1 characters). Returns false at
// end of input, leaving `dest` untouched.
bool InputLine(Console& console, std::string& dest, std::size_t size);
void EraseLastChar(Console& console);
// "PRESS ENTER KEY", then waits for a line feed or the end of input.
void WaitEnterKey(Console& console);
// 1 when the answer is "Y" after upper-casing, -1 otherwise.
int AskYesNo(Console& console, std::string_view prompt);
void StrToUpper(std::string& text);
// 0 when every character is a hexadecimal digit (also for ""), 1 otherwise.
int IsHexString(std::string_view text);

}  // namespace rcv
