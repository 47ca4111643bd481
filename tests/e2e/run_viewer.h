// Runs the built program the way an operator would: arguments, environment
// (RCVIEWER_ROOT pointing at a fixture tree) and typed input on standard
// input; gives back what the screen showed and the exit status.
#pragma once

#include <string>
#include <vector>

namespace rcv::e2e {

struct ViewerRun {
  std::string screen;  // everything written to standard output
  std::string errors;  // everything written to standard error
  int exitStatus = -1;
};

// `root` becomes RCVIEWER_ROOT; `extraEnv` entries are "NAME=value".
// A run that takes longer than a few seconds is killed and reported with
// exit status -1 (a hang is a failure, never a stuck test).
ViewerRun RunViewer(const std::string& root, const std::vector<std::string>& args, const std::string& input,
                    const std::vector<std::string>& extraEnv = {});
// The same for the dictionary maintainer's command, rcdict.
ViewerRun RunRcdict(const std::string& root, const std::vector<std::string>& args, const std::string& input = "");
// The same for rcquery, the logs for scripts.
ViewerRun RunRcquery(const std::string& root, const std::vector<std::string>& args);

// The access code that opens CE mode.
inline constexpr const char* kCeAccessCode = "tonbar47";

}  // namespace rcv::e2e
