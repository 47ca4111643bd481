// Where the dictionary's own diagnostics go: the GETRCMSG messages, SET's
// "Unexpected string", the FULLDUMP listing and "Getting RC table path
// failed.". The viewer shows them on the terminal among its screens; the
// dictionary maintainer's command sends them to standard error, so that its
// standard output holds only results.
#pragma once

#include <ostream>
#include <string_view>

namespace rcv {

std::ostream& DictionaryDiagnostics();
// The stream must outlive every lookup that follows.
void SetDictionaryDiagnostics(std::ostream& out);

// Problems a lookup meets without a diagnostic of its own (a FILE, CMTFILE
// or DSPCMT file that can't be opened): the viewer shows nothing of them,
// so they go only to a sink that a caller set, one line each; without a
// sink (null, the start) they are dropped. The sink must outlive the
// lookups that follow.
void SetDictionaryProblemSink(std::ostream* sink);
void ReportDictionaryProblem(std::string_view text);

}  // namespace rcv
