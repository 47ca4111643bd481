// rcdict, the dictionary maintainer's command: a thin driver that puts the
// dictionary library's lookups, its checker and its coverage count in the
// hands of the people who write dictionaries.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

namespace rcv {

// The result an RC text that is no RC gets.
inline constexpr int kRcTextTooShortResult = -1;

// Runs rcdict on its command line (the program name first); `lang` is the
// value of LANG (or null), for the text output; with `flushEachAnswer`
// every lookup's answer is flushed before the next RC is read (a pipe or a
// terminal waits for it). Returns the exit status.
int RunRcdict(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err,
              const char* lang, bool flushEachAnswer);

}  // namespace rcv
