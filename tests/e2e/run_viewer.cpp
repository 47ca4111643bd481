#include "run_viewer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

extern char** environ;

namespace rcv::e2e {

constexpr auto kRunTimeLimit = std::chrono::seconds(20);

// The programs lie in the build folder that RCV_PROGRAM_DIR names.
std::string ProgramPath(std::string_view name) {
  const char* dir = std::getenv("RCV_PROGRAM_DIR");
  return std::string(dir != nullptr ? dir : "build") + "/" + std::string(name);
}

// The child's environment: ours without RCVIEWER_ROOT and LANG, then the
// root and the extra entries.
std::vector<std::string> ChildEnvironment(const std::string& root, const std::vector<std::string>& extraEnv) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string_view text = *entry;
    if (text.starts_with("RCVIEWER_ROOT=") || text.starts_with("LANG=") || text.starts_with("LC_")) continue;
    env.emplace_back(text);
  }
  env.push_back("RCVIEWER_ROOT=" + root);
  env.insert(env.end(), extraEnv.begin(), extraEnv.end());
  return env;
}

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Waits for the child; kills it when it outlives the limit.
int WaitWithLimit(pid_t child) {
  const auto deadline = std::chrono::steady_clock::now() + kRunTimeLimit;
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

namespace {

std::string ReadAndRemove(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  std::filesystem::remove(path);
  return text;
}

struct ProgramFiles {
  std::filesystem::path output;
  std::filesystem::path errors;
};

ProgramFiles FilesOf(const std::string& root) {
  return {std::filesystem::path(root) / ".e2e-output", std::filesystem::path(root) / ".e2e-errors"};
}

// Starts the program with standard input read from `in`. Standard output is
// captured, or sent to `outTarget` when it is not empty (and closed when that
// can't be opened).
pid_t StartProgram(const std::string& program, const std::string& root, const std::vector<std::string>& args, int in,
                   const std::vector<std::string>& extraEnv, const std::string& outTarget = {}) {
  const ProgramFiles files = FilesOf(root);
  std::vector<std::string> argv = {program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> env = ChildEnvironment(root, extraEnv);
  std::vector<char*> argPointers = PointersTo(argv);
  std::vector<char*> envPointers = PointersTo(env);

  const pid_t child = fork();
  if (child == 0) {
    const int out =
        open(outTarget.empty() ? files.output.c_str() : outTarget.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(files.errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(in, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    if (out < 0) close(STDOUT_FILENO);
    execve(argPointers[0], argPointers.data(), envPointers.data());
    _exit(127);
  }
  return child;
}

ViewerRun FinishProgram(pid_t child, const std::string& root) {
  const ProgramFiles files = FilesOf(root);
  ViewerRun run;
  run.exitStatus = WaitWithLimit(child);
  run.screen = ReadAndRemove(files.output);
  run.errors = ReadAndRemove(files.errors);
  return run;
}

ViewerRun RunProgram(const std::string& program, const std::string& root, const std::vector<std::string>& args,
                     const std::string& input, const std::vector<std::string>& extraEnv,
                     const std::string& outTarget = {}) {
  const std::filesystem::path inputPath = std::filesystem::path(root) / ".e2e-input";
  std::ofstream(inputPath, std::ios::binary) << input;
  const int in = open(inputPath.c_str(), O_RDONLY | O_CLOEXEC);
  const pid_t child = StartProgram(program, root, args, in, extraEnv, outTarget);
  close(in);
  ViewerRun run = FinishProgram(child, root);
  std::filesystem::remove(inputPath);
  return run;
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t put = write(fd, text.data(), text.size());
    if (put <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

// Waits until the output file holds `text`, or the time limit passes.
void WaitForScreen(const std::string& root, std::string_view text) {
  const std::filesystem::path output = FilesOf(root).output;
  const auto deadline = std::chrono::steady_clock::now() + kRunTimeLimit;
  while (std::chrono::steady_clock::now() < deadline) {
    std::ifstream file(output, std::ios::binary);
    const std::string shown{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (shown.find(text) != std::string::npos) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

}  // namespace

ViewerRun RunViewer(const std::string& root, const std::vector<std::string>& args, const std::string& input,
                    const std::vector<std::string>& extraEnv) {
  return RunProgram(ProgramPath("rcviewer"), root, args, input, extraEnv);
}

ViewerRun RunRcdict(const std::string& root, const std::vector<std::string>& args, const std::string& input) {
  return RunProgram(ProgramPath("rcdict"), root, args, input, {});
}

ViewerRun RunWithOutput(std::string_view program, const std::string& root, const std::vector<std::string>& args,
                        const char* outputPath) {
  return RunProgram(ProgramPath(program), root, args, "", {}, outputPath != nullptr ? outputPath : "/nonexistent/");
}

ViewerRun RunViewerPausing(const std::string& root, const std::vector<std::string>& args, const std::string& before,
                           std::string_view pauseAt, const std::function<void()>& during, const std::string& after) {
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) return {};
  const pid_t child = StartProgram(ProgramPath("rcviewer"), root, args, pipeEnds[0], {});
  close(pipeEnds[0]);
  WriteAll(pipeEnds[1], before);
  WaitForScreen(root, pauseAt);
  during();
  WriteAll(pipeEnds[1], after);
  close(pipeEnds[1]);
  return FinishProgram(child, root);
}

ViewerRun RunRcquery(const std::string& root, const std::vector<std::string>& args) {
  return RunProgram(ProgramPath("rcquery"), root, args, "", {});
}

}  // namespace rcv::e2e
