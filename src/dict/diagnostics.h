// Where the dictionary's own diagnostics go: the GETRCMSG messages, SET's
// "Unexpected string", the FULLDUMP listing and "Getting RC table path
// failed.". The viewer shows them on the terminal among its screens; the
// dictionary maintainer's command sends them to standard error, so that its
// standard output holds only results.
#pragma once

#include <ostream>

namespace rcv {

std::ostream& DictionaryDiagnostics();
// The stream must outlive every lookup that follows.
void SetDictionaryDiagnostics(std::ostream& out);

}  // namespace rcv
