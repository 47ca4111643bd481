// An exported text file (Save RC, the SEL listing), written whole or not at
// all. The text is gathered in memory. A target that is a regular file or
// does not exist yet gets a temporary file beside it, which is synced and
// renamed over the target only after every write and the close succeeded:
// a failed export leaves the earlier one as it was, byte for byte, and no
// temporary file behind. Any other target (a terminal, a pipe, a FIFO with
// a reader, a link such as /dev/stdout) is written directly, and so is an
// existing export in a folder where no new file may be made.
#pragma once

#include <sstream>
#include <string>

#include "base/unique_fd.h"

namespace rcv {

class ExportFile {
 public:
  explicit ExportFile(std::string path) : path_(std::move(path)) {}
  ~ExportFile();
  ExportFile(const ExportFile&) = delete;
  ExportFile& operator=(const ExportFile&) = delete;

  // Creates the temporary file, or opens a target written directly; false
  // when that fails.
  [[nodiscard]] bool Open();
  // Where the text goes until Commit.
  std::ostream& text() { return text_; }
  // Writes the text and puts the file in place; false when any step failed.
  [[nodiscard]] bool Commit();
  // Why Open or Commit failed, in the system's words.
  const std::string& reason() const { return reason_; }

 private:
  bool OpenDirectly();
  bool Fail(int error);

  std::string path_;
  std::string temporary_;  // empty when the target is written directly
  UniqueFd fd_;
  std::ostringstream text_;
  std::string reason_;
};

}  // namespace rcv
