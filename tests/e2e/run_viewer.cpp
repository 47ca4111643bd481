#include "run_viewer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

extern char** environ;

namespace rcv::e2e {

namespace {

constexpr auto kRunTimeLimit = std::chrono::seconds(20);

// The child's environment: ours without RCVIEWER_ROOT and the locale, then the root.
std::vector<std::string> ChildEnvironment(const std::string& root) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string_view text = *entry;
    if (text.starts_with("RCVIEWER_ROOT=") || text.starts_with("LANG=") || text.starts_with("LC_")) continue;
    env.emplace_back(text);
  }
  env.push_back("RCVIEWER_ROOT=" + root);
  return env;
}

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

int OpenStream(const std::string& path, int flags) { return ::open(path.c_str(), flags | O_CLOEXEC, 0644); }

std::string ReadAndRemove(const std::string& path) {
  std::string text = fixture::ReadWholeFile(path);
  std::filesystem::remove(path);
  return text;
}

void WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t put = write(fd, text.data(), text.size());
    if (put <= 0) return;
    text.remove_prefix(static_cast<std::size_t>(put));
  }
}

// Runs the program with standard input from `in` and standard output to
// `outputPath`, or captured in the root; `whileRunning` acts on it first.
ViewerRun RunFrom(std::string_view program, const std::string& root, const std::vector<std::string>& args, int in,
                  const std::optional<std::string>& outputPath, const std::function<void()>& whileRunning = {}) {
  const std::string captured = root + "/.e2e-output";
  const std::string errors = root + "/.e2e-errors";
  const int out = OpenStream(outputPath.value_or(captured), O_WRONLY | O_CREAT | O_TRUNC);
  const int err = OpenStream(errors, O_WRONLY | O_CREAT | O_TRUNC);
  const pid_t child = StartProgram(ProgramPath(program), root, args, {in, out, err});
  for (const int fd : {in, out, err}) close(fd);
  if (whileRunning) whileRunning();
  ViewerRun run;
  run.exitStatus = WaitWithLimit(child);
  run.screen = ReadAndRemove(captured);
  run.errors = ReadAndRemove(errors);
  return run;
}

}  // namespace

void PrintTo(const ViewerRun& run, std::ostream* out) {
  *out << "\nscreen: " << ::testing::PrintToString(run.screen) << "\nerrors: " << ::testing::PrintToString(run.errors)
       << "\nexit status " << run.exitStatus;
}

std::string ProgramPath(std::string_view name) {
  const char* dir = std::getenv("RCV_PROGRAM_DIR");
  return std::string(dir != nullptr ? dir : "build") + "/" + std::string(name);
}

pid_t StartProgram(const std::string& path, const std::string& root, const std::vector<std::string>& args,
                   std::array<int, 3> streams) {
  std::vector<std::string> argv = {path};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> env = ChildEnvironment(root);
  const std::vector<char*> argPointers = PointersTo(argv);
  const std::vector<char*> envPointers = PointersTo(env);
  const pid_t child = fork();
  if (child == 0) {
    for (int target = 0; target < 3; ++target) streams[target] < 0 ? close(target) : dup2(streams[target], target);
    execve(argPointers[0], argPointers.data(), envPointers.data());
    _exit(127);
  }
  return child;
}

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

ViewerRun RunProgram(std::string_view program, const std::string& root, const std::vector<std::string>& args,
                     const std::string& input) {
  const std::string inputPath = root + "/.e2e-input";
  std::ofstream(inputPath, std::ios::binary) << input;
  const int in = OpenStream(inputPath, O_RDONLY);
  std::filesystem::remove(inputPath);
  return RunFrom(program, root, args, in, std::nullopt);
}

ViewerRun RunWithOutput(std::string_view program, const std::string& root, const std::vector<std::string>& args,
                        const char* outputPath) {
  return RunFrom(program, root, args, OpenStream("/dev/null", O_RDONLY), outputPath ? outputPath : "/nonexistent/");
}

ViewerRun RunViewerPausing(const std::string& root, const std::vector<std::string>& args, const std::string& before,
                           std::string_view pauseAt, const std::function<void()>& during, const std::string& after) {
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) return {};
  return RunFrom("rcviewer", root, args, pipeEnds[0], std::nullopt, [&] {
    WriteAll(pipeEnds[1], before);
    WaitForText(root + "/.e2e-output", pauseAt);
    during();
    WriteAll(pipeEnds[1], after);
    close(pipeEnds[1]);
  });
}

BackgroundRun::BackgroundRun(const std::string& root, const std::string& path, const std::vector<std::string>& args,
                             const std::string& outputPath, const std::string& errorPath) {
  const std::array<int, 3> streams = {OpenStream("/dev/null", O_RDONLY),
                                      OpenStream(outputPath, O_WRONLY | O_CREAT | O_APPEND),
                                      OpenStream(errorPath, O_WRONLY | O_CREAT | O_APPEND)};
  child_ = StartProgram(path, root, args, streams);
  for (const int fd : streams) close(fd);
}

BackgroundRun::~BackgroundRun() {
  if (child_ > 0) {
    kill(child_, SIGKILL);
    waitpid(child_, nullptr, 0);
  }
}

void BackgroundRun::Signal(int signal) const {
  if (child_ > 0) kill(child_, signal);
}

int BackgroundRun::Wait() {
  const int status = WaitWithLimit(child_);
  child_ = -1;
  return status;
}

bool WaitForText(const std::string& path, std::string_view text) {
  const auto deadline = std::chrono::steady_clock::now() + kRunTimeLimit;
  while (fixture::ReadWholeFile(path).find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

std::vector<std::string> FileLines(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

std::vector<nlohmann::json> JsonLines(const std::string& text) {
  std::vector<nlohmann::json> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
  return lines;
}

bool JsonLinesValid(const std::string& path) {
  const std::string source = RCV_SOURCE_DIR;
  const std::string command =
      "python3 '" + source + "/tests/schema/validate_json_lines.py' '" + source + "/schema' '" + path + "' >&2";
  return std::system(command.c_str()) == 0;
}

}  // namespace rcv::e2e
