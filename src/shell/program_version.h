// The version both programs report with --version; the build takes it from
// the project's version, so the package and the programs always agree.
#pragma once

#include <string_view>

namespace rcv {

std::string_view ProgramVersion();

}  // namespace rcv
