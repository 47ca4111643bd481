#include "shell/program_version.h"

#ifndef RCV_VERSION
#error "the build defines RCV_VERSION as the project's version"
#endif

namespace rcv {

std::string_view ProgramVersion() { return RCV_VERSION; }

}  // namespace rcv
