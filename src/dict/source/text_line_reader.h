// Reads a companion file the way the statements read it: piece by piece
// through a fixed line buffer (see companion_file.h). Files are kept once
// split and checked against the file on disk at every open, so a file
// rewritten between two lookups is read anew.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "dict/source/companion_file.h"

namespace rcv {

class ScriptSources;

class TextLineReader {
 public:
  // Only a regular file opens: a folder has no lines and a pipe could block
  // the run for ever. Without sources nothing opens.
  TextLineReader(ScriptSources* sources, const std::string& path);

  bool IsOpen() const { return file_ != nullptr; }

  // The next piece; false at the end of the file.
  bool ReadLine(std::string& line);
  // Reads on to the first piece whose table key equals `key` and stores it
  // in `row`; false, at the end of the file, when there is none.
  bool ReadKeyedRow(std::string_view key, std::string& row);
  // Reads on past the first piece that, trimmed, equals `marker` (which
  // begins with "/*"); false, at the end of the file, when there is none.
  bool SkipPastMarker(std::string_view marker);

 private:
  bool MoveTo(std::optional<std::size_t> index);

  std::shared_ptr<const CompanionFile> file_;
  std::size_t next_ = 0;
};

}  // namespace rcv
