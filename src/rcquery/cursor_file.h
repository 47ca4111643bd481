// The follow cursor file: one JSON object with each source's position,
// replaced whole after every batch (written to a temporary file beside it,
// flushed to the disk, renamed over it), so that a kill at any instant
// leaves either the old cursor or the new one, never a torn one.
#pragma once

#include <optional>
#include <string>

#include "rcquery/log_entry.h"

namespace rcv {

// The cursor at `path`: nothing, with `error` empty, when there is no file
// yet; nothing, with the reason, when it can't be read or is no cursor.
std::optional<Json> LoadCursorFile(const std::string& path, std::string& error);

// Replaces the cursor at `path` by `cursor`; the reason when it fails.
std::string SaveCursorFile(const std::string& path, const Json& cursor);

}  // namespace rcv
