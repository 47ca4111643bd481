// The lines of one script held in memory: every line's text one after the
// other in one buffer, and for every line where its fields start, found once
// when the line is stored, so that reading a field costs only its own length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rcv {

class ScriptLines {
 public:
  ScriptLines() = default;

  void Append(std::string_view text);
  std::size_t Count() const { return lineStart_.size() - 1; }
  std::string_view Text(std::size_t line) const;

  // Where field n (from 0) of the line starts, or nothing with the flag that
  // tells why (kLineEndsBeforeField, kFieldBeyondLine).
  std::optional<std::size_t> FieldStart(std::size_t line, std::size_t n, unsigned& flags) const;

  // Bytes held, for bounding a cache of loaded scripts.
  std::size_t Bytes() const;

 private:
  std::string text_;
  std::vector<std::uint32_t> lineStart_{0};  // line i is text_[lineStart_[i], lineStart_[i + 1])
  std::vector<std::uint32_t> firstField_{0};  // line i's field starts are fieldStart_[firstField_[i], ...)
  std::vector<std::uint16_t> fieldStart_;     // offsets in the line after each comma outside quotes
};

}  // namespace rcv
