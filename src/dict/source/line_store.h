// The lines of the script being run, and the field reader over them. Every
// field read lands in one buffer that the next read overwrites; problems of
// a read pile up as flags until TakeErrors collects them. The lines may be
// shared with the cache of loaded scripts; they are never changed in place
// while shared.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "dict/source/script_lines.h"

namespace rcv {

// A script line holds at most this many bytes less one.
inline constexpr std::size_t kScriptLineBufferSize = 1024;
// A field holds at most this many bytes less one.
inline constexpr std::size_t kFieldBufferSize = 1024;

// LineErrorFlags
inline constexpr unsigned kLineHasNoText = 1;
inline constexpr unsigned kLineEndsBeforeField = 2;
inline constexpr unsigned kFieldBeyondLine = 4;

class LineStore {
 public:
  LineStore() = default;
  LineStore(const LineStore& other) : lines_(other.lines_) {}
  LineStore& operator=(const LineStore& other) {
    if (this == &other) return *this;
    lines_ = other.lines_;
    appending_.reset();
    return *this;
  }

  // Drops every line (the store is then empty and ready for a new script).
  void Free();
  // Takes these lines as the script's.
  void Assign(std::shared_ptr<const ScriptLines> lines);
  void AppendLine(std::string_view text);
  std::size_t LineCount() const { return lines_ ? lines_->Count() : 0; }
  // The lines themselves, for what is worked out once and kept with them.
  const std::shared_ptr<const ScriptLines>& Shared() const { return lines_; }
  // The text of line `index`, or nothing when there is no such line.
  std::optional<std::string_view> LineText(std::size_t index) const;

  // Field `field` of line `line`, in the field buffer. A line that doesn't
  // exist reads as an empty field without a flag.
  const std::string& GetLineField(std::size_t field, std::size_t line);
  // The same as a view, valid until the next field is read or the lines
  // change; no copy is made of a field without double quotes.
  std::string_view FieldView(std::size_t field, std::size_t line);
  // Returns the flags gathered since the last call and clears them.
  unsigned TakeErrors();

 private:
  std::shared_ptr<const ScriptLines> lines_;
  std::shared_ptr<ScriptLines> appending_;  // lines_ when this store built them itself
  std::string field_;
  unsigned errors_ = 0;
};

}  // namespace rcv
