#include "dict/script_field.h"

#include <optional>

#include "dict/line_store.h"

namespace rcv {
namespace {

bool IsControlByte(char c) { return static_cast<unsigned char>(c) < 0x20; }

// Where field n starts: after the n-th comma outside double quotes, a
// double quote toggling the quoted state wherever it stands.
std::optional<std::size_t> FieldStart(std::string_view line, std::size_t n, unsigned& flags) {
  if (n == 0) return 0;
  bool quoted = false;
  std::size_t commas = 0;
  for (std::size_t pos = 0;; ++pos) {
    if (pos == line.size()) {
      flags |= kLineEndsBeforeField;
      return std::nullopt;
    }
    if (n > line.size()) {
      flags |= kFieldBeyondLine;
      return std::nullopt;
    }
    if (line[pos] == '"') {
      quoted = !quoted;
    } else if (line[pos] == ',' && !quoted && ++commas == n) {
      return pos + 1;
    }
  }
}

}  // namespace

std::string ReadScriptField(std::string_view line, std::size_t n, unsigned& flags) {
  std::string field;
  const std::optional<std::size_t> start = FieldStart(line, n, flags);
  if (!start) return field;
  bool quoted = false;
  for (std::size_t pos = *start; pos < line.size() && field.size() < kFieldBufferSize - 1; ++pos) {
    const char c = line[pos];
    if (c == '"') {
      if (quoted) break;  // what follows up to the next comma is not part of it
      quoted = true;
      continue;
    }
    if (!quoted && (c == ',' || IsControlByte(c))) break;
    field.push_back(c);
  }
  return field;
}

}  // namespace rcv
