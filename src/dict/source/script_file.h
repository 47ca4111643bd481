// Loading a script file into the line store: read through a 1024-byte line
// buffer, so a longer physical line becomes several lines.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dict/source/line_store.h"

namespace rcv {

// The stored lines of a file's bytes: pieces of at most
// kScriptLineBufferSize - 1 bytes ending after a "\n" when one comes first;
// a NUL byte ends a piece's text, and a last byte below 32 or of 0x80 and
// above is dropped (the "\n"; of "\r\n" the "\r" stays).
std::vector<std::string> SplitScriptLines(std::string_view content);
void ForEachScriptLine(std::string_view content, const std::function<void(std::string_view)>& store);

class ScriptSources;

// Replaces the store's lines with those of the file. 0, or -1 when the file
// can't be opened (or there are no sources to open it from). Scripts are
// kept once loaded and parsed, and checked against the file at every load,
// so a rewritten file is read anew.
int LoadScriptLines(const std::string& path, LineStore& lines, ScriptSources* sources);

}  // namespace rcv
