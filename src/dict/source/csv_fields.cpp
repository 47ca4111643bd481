#include "dict/source/csv_fields.h"

namespace rcv {

namespace {

// The position right after the n-th comma outside quotes, or npos.
std::size_t FieldStart(std::string_view line, std::size_t n) {
  bool quoted = false;
  std::size_t commas = 0;
  for (std::size_t i = 0; i < line.size() && commas < n; ++i) {
    if (line[i] == '"') {
      quoted = !quoted;
    } else if (line[i] == ',' && !quoted && ++commas == n) {
      return i + 1;
    }
  }
  return n == 0 ? 0 : std::string_view::npos;
}

}  // namespace

std::string CsvField(std::string_view line, std::size_t n) {
  std::string field;
  const std::size_t start = FieldStart(line, n);
  if (start == std::string_view::npos) return field;
  bool quoted = false;
  for (const char c : line.substr(start)) {
    if (c == '"') {
      if (quoted) break;
      quoted = true;
    } else if (c == ',' && !quoted) {
      break;
    } else {
      field.push_back(c);
    }
  }
  return field;
}

std::string CsvFirstField(std::string_view line) { return CsvField(line, 0); }

}  // namespace rcv
