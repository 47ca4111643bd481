// Paths of the files a script names: they lie in the running script's
// directory, and EXEC, GETRCMSG and DSPCMT fold the path to lower case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rcv {

class ScriptSources;

// Path buffers hold this many characters.
inline constexpr std::size_t kScriptPathMax = 511;

// The rules about whole paths (their length limits, the folding and its
// fallback) apply to a path as it would be at the real roots: a relocation
// prefix (RCVIEWER_ROOT) stays in front unchanged and never counts.

// The path up to and including its last '/' (empty when it has none).
std::string ScriptDirOf(std::string_view path);

// Cuts the path to `limit` characters after its relocation prefix.
void CutPathToLimit(std::string& path, std::size_t limit);

// Upper-case letters to lower case, '\' to '/', and the text ends at the
// first byte below 32 or of 0x80 and above.
void FoldPath(std::string& path);

// True for a regular file that can be opened for reading.
bool CanOpenForReading(const std::string& path);

// The path to open for `name` in `scriptDir`: the whole path folded; when
// that can't be opened, the directory as it is followed by the folded name
// (an install whose directories hold capitals); when neither opens, the
// whole path folded again, so a diagnostic names it. Files are looked for
// in `sources` (none opens without them), or on the disk.
std::string ResolveFoldedPath(ScriptSources* sources, std::string_view scriptDir, std::string_view name);
std::string ResolveFoldedPath(std::string_view scriptDir, std::string_view name);

}  // namespace rcv
