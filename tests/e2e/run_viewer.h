// Runs the built program the way an operator would: arguments, environment
// (RCVIEWER_ROOT pointing at a fixture tree) and typed input on standard
// input; gives back what the screen showed and the exit status.
#pragma once

#include <sys/types.h>

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
// The same for rcquery, the logs for scripts.
ViewerRun RunRcquery(const std::string& root, const std::vector<std::string>& args);

// Runs `program` ("rcviewer" or "rcdict") with its standard output sent to
// `outputPath` (such as /dev/full), or closed when it is null.
ViewerRun RunWithOutput(std::string_view program, const std::string& root, const std::vector<std::string>& args,
                        const char* outputPath);

// The viewer typed at in two steps: `before`, then, once the screen shows
// `pauseAt`, `during` runs (another party at work) and `after` is typed.
ViewerRun RunViewerPausing(const std::string& root, const std::vector<std::string>& args, const std::string& before,
                           std::string_view pauseAt, const std::function<void()>& during, const std::string& after);

// The path of a program of the build, in the folder RCV_PROGRAM_DIR names.
std::string ProgramPath(std::string_view name);
// A child's environment: ours without RCVIEWER_ROOT and LANG, then the root
// and the extra entries.
std::vector<std::string> ChildEnvironment(const std::string& root, const std::vector<std::string>& extraEnv);
// The texts as an argv or envp array, null-terminated.
std::vector<char*> PointersTo(std::vector<std::string>& texts);
// Waits for the child and gives its exit status; kills it when it outlives
// the time limit, and gives -1 then or after a death by signal.
int WaitWithLimit(pid_t child);

// The access code that opens CE mode.
inline constexpr const char* kCeAccessCode = "tonbar47";

}  // namespace rcv::e2e
