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

  // Field n of the line into `field` (empty, with a flag, when the line has
  // no such field).
  void ReadField(std::size_t line, std::size_t n, std::string& field, unsigned& flags) const;
  // The same as a view: into the line itself when the field holds no
  // double quote, else into `scratch`, where the field is read.
  std::string_view FieldView(std::size_t line, std::size_t n, std::string& scratch, unsigned& flags) const;

  // Bytes held, for bounding a cache of loaded scripts.
  std::size_t Bytes() const;

 private:
  std::string text_;
  std::vector<std::uint32_t> lineStart_{0};  // line i is text_[lineStart_[i], lineStart_[i + 1])
  // Line i's fields are fields_[firstField_[i], firstField_[i + 1]): field 0
  // and one after each comma outside quotes.
  struct Field {
    std::uint16_t start;
    std::uint16_t plainEnd;  // the end of a field without double quotes, else kNeedsScan
  };
  static constexpr std::uint16_t kNeedsScan = 0xFFFF;
  std::vector<std::uint32_t> firstField_{0};
  std::vector<Field> fields_;
};

}  // namespace rcv
