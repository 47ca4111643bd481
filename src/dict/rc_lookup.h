// The one operation the screens name RCs through, and the other faces of
// the process-wide dictionary (dictionary.h) that the programs call.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "dict/lookup_result.h"
#include "dict/rc_info.h"
#include "dict/state/run_mode.h"
#include "shell/reference_code.h"

namespace rcv {

inline constexpr int kRcScriptOpenFailed = kRunScriptUnreadable;
inline constexpr int kRcNotInDictionary = kRunNoEntry;

// Runs the dictionary for the RC's leading 8 bytes and fills `info` (which
// the caller clears). Returns the number of FRU rows stored (0 to 6), -2
// when a dictionary script can't be opened, -3 when the RC has no entry.
int GetRcInfo(std::span<const std::uint8_t, kRcKeySize> rc, RcInfo& info);

// As GetRcInfo, with the dictionary path built into `path`.
int GetRcInfo(std::span<const std::uint8_t, kRcKeySize> rc, RcInfo& info, std::string& path);

// GetRcInfo's road for an RC text of 16 hexadecimal digits, the dictionary
// at `path` and the run's mode (RunFru and RunComment, and a language).
int LookUpRcText(std::string_view rcText, RunMode mode, const std::string& path, RcInfo& info);

inline constexpr std::string_view kDictionaryFileName = "rcdicttbl.csv";
inline constexpr std::string_view kRcTablePathFailed = "Getting RC table path failed.";

// Writes InstallRoot/MainteData/<CONF_DIR>/rcdicttbl.csv into `path` and
// returns it. When CONF_DIR can't be read, prints kRcTablePathFailed and
// leaves `path` as it was.
std::string& GetRcTablePath(std::string& path);

// Where the dictionary's own diagnostics go (standard output until set);
// the stream must outlive every lookup that follows.
void SetDictionaryDiagnostics(std::ostream& out);
// Where the problems a lookup meets go, one line each; null (the start)
// drops them. The sink must outlive the lookups that follow.
void SetDictionaryProblemSink(std::ostream* sink);

// Removes every white-space character and '+' and upper-cases the rest, in
// place. Returns 0.
int NormalizeRcText(std::string& rcText);

}  // namespace rcv
