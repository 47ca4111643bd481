// Runs the built program the way an operator would: arguments, environment
// (RCVIEWER_ROOT pointing at a fixture tree) and typed input on standard
// input; gives back what the screen showed and the exit status.
#pragma once

#include <functional>
#include <string>
#include <string_view>
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

// Runs `program` ("rcviewer" or "rcdict") with its standard output sent to
// `outputPath` (such as /dev/full), or closed when it is null.
ViewerRun RunWithOutput(std::string_view program, const std::string& root, const std::vector<std::string>& args,
                        const char* outputPath);

// The viewer typed at in two steps: `before`, then, once the screen shows
// `pauseAt`, `during` runs (another party at work) and `after` is typed.
ViewerRun RunViewerPausing(const std::string& root, const std::vector<std::string>& args, const std::string& before,
                           std::string_view pauseAt, const std::function<void()>& during, const std::string& after);

// The access code that opens CE mode.
inline constexpr const char* kCeAccessCode = "tonbar47";

}  // namespace rcv::e2e
