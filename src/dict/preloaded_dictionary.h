// The dictionary held in memory for callers that name many RCs in a row:
// loaded once into a context of its own, looked up from there, released.
// Unlike the per-call road its variables live from the load to the release,
// so what one lookup sets is seen by the next; EXEC ends a run, since there
// is no other script to load; and the lines keep only bytes from 32 to 127.
// The functions below are faces over ProcessDictionary() (dictionary.h),
// where PreloadedDictionary loads and releases as an object.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "dict/rc_info.h"
#include "dict/state/run_mode.h"
#include "dict/state/script_output.h"
#include "dict/state/search_context.h"
#include "shell/reference_code.h"

namespace rcv {

// A preloaded line keeps at most this many bytes; the rest of a longer
// line is dropped up to its line feed.
inline constexpr std::size_t kPreloadedLineMax = 1023;

// Loads the machine's dictionary (GetRcTablePath) into the preloaded
// context. A load while loaded releases the earlier one first (the file
// images stay cached). 1 when loaded, 0 when not.
int PreloadRcDictionary();
// The same for the dictionary at `path`.
int PreloadDictionaryFile(const std::string& path);
// The RC's name from the preloaded dictionary into info.rcName; nothing
// else of `info` is written. The run's result.
int GetRcNamePreloaded(std::span<const std::uint8_t, kRcKeySize> rc, RcInfo& info);
// The same for an RC text of 16 hexadecimal digits, with companion files
// beside the dictionary at `path`.
int GetRcNamePreloaded(std::string_view rcText, const std::string& path, RcInfo& info);
// Frees the preloaded context's lines, records and variables, and the file
// cache.
void ReleaseRcDictionary();

// The run itself on `context`: its lines from the top, EXEC ending the run.
// At run depth 1 the outputs are collected; a run nested deeper collects
// nothing and leaves the depth one lower, so the next run at depth 1
// collects; before any load (depth 0) nothing is collected.
int RunPreloadedLines(std::string_view rcText, const std::string& path, ScriptOutput* output, std::string* comment,
                      RunMode mode, SearchContext& context);

// The lines of a file image as the preloaded road keeps them: bytes from 32
// to 127 kept, a line feed ending a line, everything else dropped; text
// after the last line feed is not a line.
void SplitPreloadedLines(std::string_view image, LineStore& lines);

}  // namespace rcv
