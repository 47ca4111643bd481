// Text logs attached to a MAR file after its binary record. A line holding
// "LOGNAME=" starts a log and names it; the log's text is the lines after
// it, up to and including one that holds "---- log end ----", or to the end
// of the file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rcv {

// The attachment area is read through a 128-byte line buffer.
inline constexpr std::size_t kAttachmentLineBufferSize = 128;
inline constexpr std::size_t kAttachedLogsMax = 16;
inline constexpr std::size_t kAttachedLogNameMax = 19;
// What the list shows for a log whose LOGNAME= line names nothing.
inline constexpr std::string_view kUnnamedLog = "-";

struct AttachedLogEntry {
  std::string name;
  std::size_t position = 0;  // file offset where the log's text begins
};

// The logs attached to a MAR file, whose bytes are `file`, from the start
// of the attachment area at `areaStart`: at most 16, names cut to 19
// characters.
std::vector<AttachedLogEntry> ScanAttachedLogs(std::string_view file, std::size_t areaStart);

// The text of the log that begins at `position` of the file, as it is
// shown: its lines as read, and an empty line after its end line.
std::string AttachedLogText(std::string_view file, std::size_t position);

}  // namespace rcv
