#include "dict/interp/statement_fields.h"

#include "dict/source/companion_text.h"

namespace rcv {

std::string LineField(SearchContext& context, std::size_t n, std::size_t line, std::size_t limit) {
  return CutCopy(GetLineField(n, line, context), limit);
}

std::string StatementField(const StatementCall& call, std::size_t n, std::size_t limit) {
  return LineField(call.context, n, call.lineIndex, limit);
}

std::optional<std::string> ExistingLineField(SearchContext& context, std::size_t n, std::size_t line,
                                             std::size_t limit) {
  // Earlier flags belong to reads that are over; only this read's count.
  TakeLineErrors(context);
  std::string field = LineField(context, n, line, limit);
  if (TakeLineErrors(context) != 0) return std::nullopt;
  return field;
}

namespace {

bool IsControlByte(char c) { return static_cast<unsigned char>(c) < 0x20; }

}  // namespace

std::string RawLineField(const SearchContext& context, std::size_t n, std::size_t line) {
  std::string field;
  const std::optional<std::string_view> text = context.lines.LineText(line);
  if (!text) return field;
  bool quoted = false;
  std::size_t commas = 0;
  for (const char c : *text) {
    const bool separator = !quoted && (c == ',' || (commas == n && IsControlByte(c)));
    if (c == '"') quoted = !quoted;
    if (separator) {
      if (commas == n || c != ',') break;
      ++commas;
      continue;
    }
    if (commas == n && field.size() < kFieldBufferSize - 1) field.push_back(c);
  }
  return field;
}

}  // namespace rcv
