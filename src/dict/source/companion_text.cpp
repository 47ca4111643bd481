#include "dict/source/companion_text.h"

#include <string_view>

namespace rcv {

namespace {

// Every white space character goes at the end; only blanks at the start.
constexpr std::string_view kTrailingSpaces = " \t\n\v\f\r";

}  // namespace

void TrimSpaces(std::string& text) {
  const std::size_t last = text.find_last_not_of(kTrailingSpaces);
  text.resize(last == std::string::npos ? 0 : last + 1);
  const std::size_t begin = text.find_first_not_of(' ');
  text.erase(0, begin == std::string::npos ? text.size() : begin);
}

void CutAtLineEnd(std::string& text) {
  const std::size_t end = text.find_first_of("\r\n");
  if (end != std::string::npos) text.resize(end);
}

void DropTrailingNewline(std::string& text) {
  if (!text.empty() && text.back() == '\n') text.pop_back();
}

void CutToLimit(std::string& text, std::size_t limit) {
  if (text.size() > limit) text.resize(limit);
}

std::string CutCopy(std::string_view text, std::size_t limit) { return std::string(text.substr(0, limit)); }

}  // namespace rcv
