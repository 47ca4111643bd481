// The lines of the script being run, and the field reader over them. Every
// field read lands in one buffer that the next read overwrites; problems of
// a read pile up as flags until TakeErrors collects them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

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
  // Drops every line (the store is then empty and ready for a new script).
  void Free();
  void AppendLine(std::string text);
  std::size_t LineCount() const { return lines_.size(); }
  // The text of line `index`, or nullptr when there is no such line.
  const std::string* LineText(std::size_t index) const;

  // Field `field` of line `line`, in the field buffer. A line that doesn't
  // exist reads as an empty field without a flag.
  const std::string& GetLineField(std::size_t field, std::size_t line);
  // Returns the flags gathered since the last call and clears them.
  unsigned TakeErrors();

 private:
  std::vector<std::string> lines_;
  std::string field_;
  unsigned errors_ = 0;
};

}  // namespace rcv
