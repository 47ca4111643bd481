#include "dict/interp/rc_code_match.h"

#include <string>

#include "dict/state/search_context.h"

namespace rcv {
namespace {

void SkipBlanks(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
}

bool IsOneLetterCapture(char c) { return c >= 'G' && c <= 'Z'; }
bool IsTwoLetterCapture(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

int MatchRcCode(std::string_view rcText, std::string_view pattern, SearchContext& context) {
  std::size_t r = 0;
  std::size_t p = 0;
  while (r < rcText.size() && p < pattern.size()) {
    // Blanks are skipped after the test for the end, so a pattern that ends
    // in blanks compares the RC's next character with its end: a mismatch.
    SkipBlanks(rcText, r);
    SkipBlanks(pattern, p);
    if (r == rcText.size() && p == pattern.size()) return 0;
    if (r == rcText.size() || p == pattern.size()) return -1;
    const char want = pattern[p];
    const std::string got(1, rcText[r]);
    if (want == rcText[r]) {
      // the characters agree
    } else if (IsOneLetterCapture(want)) {
      SetVariable(std::string(1, want), got, context);
    } else if (IsTwoLetterCapture(want)) {
      // the letter takes the next pattern character with it, whatever it is
      const std::size_t nameLength = p + 1 < pattern.size() ? 2 : 1;
      SetVariable(pattern.substr(p, nameLength), got, context);
      p += nameLength - 1;
    } else {
      return -1;
    }
    ++r;
    ++p;
  }
  return 0;
}

}  // namespace rcv
