// Reading and writing atraprc.tqr, in InstallRoot/MainteData/CONF_DIR. The
// monitoring service reads the same file, so it is written in place, whole,
// over the existing 512 bytes: never created, truncated or replaced.
#pragma once

#include <ostream>
#include <string>

#include "traprc/trap_rc_table.h"

namespace rcv {

inline constexpr std::string_view kTrapRcFileName = "atraprc.tqr";

std::string TrapRcTablePath(const std::string& confDir);

// Reads CONF_DIR from the setup file: 1, or -1 after a message.
int LoadTrapRcDir(std::ostream& out, std::string& confDir);

// Reads up to 512 bytes over `table`; a shorter file leaves the rest of the
// table as it was. 1, or -1 after a message.
int LoadTrapRcTable(std::ostream& out, const std::string& confDir, TrapRcTable& table);

// What a save tells besides success and failure: another editor wrote the
// table since it was loaded, so nothing was written.
inline constexpr int kTrapRcChangedElsewhere = 0;

// Writes the whole table over a 512-byte file, under an advisory lock and
// only when the file still holds `loaded`, the image the screen showed.
// 1; kTrapRcChangedElsewhere after a message, when the file differs or
// another editor holds the lock; or -1: after a message when the file
// can't be opened or written, silently when it is missing or of another
// size.
int SaveTrapRcTable(std::ostream& out, const std::string& confDir, const TrapRcTable& table, const TrapRcTable& loaded);

}  // namespace rcv
