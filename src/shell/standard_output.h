// The end of a program's standard output. Output goes through the C
// library's buffer, so a full disk, a closed descriptor or a broken pipe
// often shows only when the last buffer is written at exit, after main
// has chosen its status. The programs flush and close standard output
// themselves, so that a report that never arrived never ends in success.
#pragma once

#include <string_view>

namespace rcv {

// True when standard output is a pipe, a FIFO or a terminal: someone reads
// each line as it comes, so a program that answers line by line flushes
// after each answer. A file gets full buffers.
[[nodiscard]] bool StandardOutputHasReader();

// Flushes and closes standard output. When everything was written, gives
// back `status`. Otherwise prints "PROGRAM: write error: REASON" on
// standard error and gives back `failedStatus`; a broken pipe (the reader
// went away, as `| head -1` does) gives `failedStatus` without a message.
// Call it right after the program's last write (a write that failed
// before is known only by the errno it left); nothing may be written to
// standard output afterwards.
[[nodiscard]] int FinishStandardOutput(std::string_view program, int status, int failedStatus);

}  // namespace rcv
