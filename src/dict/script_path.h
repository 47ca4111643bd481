// Paths of the files a script names: they lie in the running script's
// directory, and EXEC, GETRCMSG and DSPCMT fold the path to lower case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rcv {

// Path buffers hold this many characters.
inline constexpr std::size_t kScriptPathMax = 511;

// The path up to and including its last '/' (empty when it has none).
std::string ScriptDirOf(std::string_view path);

// Upper-case letters to lower case, '\' to '/', and the text ends at the
// first byte below 32 or of 0x80 and above.
void FoldPath(std::string& path);

// True for a regular file that can be opened for reading.
bool CanOpenForReading(const std::string& path);

// The path to open for `name` in `scriptDir`: the whole path folded; when
// that can't be opened, the directory as it is followed by the folded name
// (an install whose directories hold capitals); when neither opens, the
// whole path folded again, so a diagnostic names it.
std::string ResolveFoldedPath(std::string_view scriptDir, std::string_view name);

}  // namespace rcv
