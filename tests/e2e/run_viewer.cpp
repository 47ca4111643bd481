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

ViewerRun RunProgram(const std::string& program, const std::string& root, const std::vector<std::string>& args,
                     const std::string& input, const std::vector<std::string>& extraEnv) {
  namespace fs = std::filesystem;
  const fs::path inputPath = fs::path(root) / ".e2e-input";
  const fs::path outputPath = fs::path(root) / ".e2e-output";
  const fs::path errorPath = fs::path(root) / ".e2e-errors";
  std::ofstream(inputPath, std::ios::binary) << input;

  std::vector<std::string> argv = {program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> env = ChildEnvironment(root, extraEnv);
  std::vector<char*> argPointers = PointersTo(argv);
  std::vector<char*> envPointers = PointersTo(env);

  const pid_t child = fork();
  if (child == 0) {
    const int in = open(inputPath.c_str(), O_RDONLY);
    const int out = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(in, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    execve(argPointers[0], argPointers.data(), envPointers.data());
    _exit(127);
  }
  ViewerRun run;
  run.exitStatus = WaitWithLimit(child);
  run.screen = ReadAndRemove(outputPath);
  run.errors = ReadAndRemove(errorPath);
  fs::remove(inputPath);
  return run;
}

}  // namespace

ViewerRun RunViewer(const std::string& root, const std::vector<std::string>& args, const std::string& input,
                    const std::vector<std::string>& extraEnv) {
  return RunProgram(ProgramPath("rcviewer"), root, args, input, extraEnv);
}

ViewerRun RunRcdict(const std::string& root, const std::vector<std::string>& args, const std::string& input) {
  return RunProgram(ProgramPath("rcdict"), root, args, input, {});
}

ViewerRun RunRcquery(const std::string& root, const std::vector<std::string>& args) {
  return RunProgram(ProgramPath("rcquery"), root, args, "", {});
}

}  // namespace rcv::e2e
