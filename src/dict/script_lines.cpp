#include "dict/script_lines.h"

#include "dict/line_store.h"

namespace rcv {

void ScriptLines::Append(std::string_view text) {
  // A stored line never exceeds the line buffer, so its offsets fit 16 bits.
  text = text.substr(0, kScriptLineBufferSize - 1);
  bool quoted = false;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    // A double quote toggles the quoted state wherever it stands.
    if (text[pos] == '"') {
      quoted = !quoted;
    } else if (text[pos] == ',' && !quoted) {
      fieldStart_.push_back(static_cast<std::uint16_t>(pos + 1));
    }
  }
  text_.append(text);
  lineStart_.push_back(static_cast<std::uint32_t>(text_.size()));
  firstField_.push_back(static_cast<std::uint32_t>(fieldStart_.size()));
}

std::string_view ScriptLines::Text(std::size_t line) const {
  return std::string_view(text_).substr(lineStart_[line], lineStart_[line + 1] - lineStart_[line]);
}

std::optional<std::size_t> ScriptLines::FieldStart(std::size_t line, std::size_t n, unsigned& flags) const {
  if (n == 0) return 0;
  const std::size_t length = lineStart_[line + 1] - lineStart_[line];
  if (length == 0) {
    flags |= kLineEndsBeforeField;
    return std::nullopt;
  }
  if (n > length) {
    flags |= kFieldBeyondLine;
    return std::nullopt;
  }
  const std::size_t commas = firstField_[line + 1] - firstField_[line];
  if (n > commas) {
    flags |= kLineEndsBeforeField;
    return std::nullopt;
  }
  return fieldStart_[firstField_[line] + n - 1];
}

std::size_t ScriptLines::Bytes() const {
  return text_.size() + (lineStart_.size() + firstField_.size()) * sizeof(std::uint32_t) +
         fieldStart_.size() * sizeof(std::uint16_t);
}

}  // namespace rcv
