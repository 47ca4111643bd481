// Runs the built programs the way an operator would: arguments, environment
// (RCVIEWER_ROOT pointing at a fixture tree) and typed input on standard
// input; gives back what the screen showed and the exit status. A run that
// outlives a time limit is killed and reported with exit status -1, so a
// hang is a failure, never a stuck test.
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <nlohmann/json.hpp>

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fixture/fixture_tree.h"

namespace rcv::e2e {

struct ViewerRun {
  std::string screen;  // everything written to standard output
  std::string errors;  // everything written to standard error
  int exitStatus = -1;
  bool operator==(const ViewerRun&) const = default;
};
// How a failed comparison shows a run.
void PrintTo(const ViewerRun& run, std::ostream* out);

// `program` is "rcviewer", "rcdict" or "rcquery"; `root` becomes RCVIEWER_ROOT.
ViewerRun RunProgram(std::string_view program, const std::string& root, const std::vector<std::string>& args,
                     const std::string& input = "");

// Runs `program` with its standard output sent to `outputPath` (such as
// /dev/full), or closed when it is null.
ViewerRun RunWithOutput(std::string_view program, const std::string& root, const std::vector<std::string>& args,
                        const char* outputPath);

// The viewer typed at in two steps: `before`, then, once the screen shows
// `pauseAt`, `during` runs (another party at work) and `after` is typed.
ViewerRun RunViewerPausing(const std::string& root, const std::vector<std::string>& args, const std::string& before,
                           std::string_view pauseAt, const std::function<void()>& during, const std::string& after);

// The path of a program of the build, in the folder RCV_PROGRAM_DIR names.
std::string ProgramPath(std::string_view name);

// Starts `path` (a program's path) on `root` with the descriptors given as
// its standard input, output and error (-1: closed).
pid_t StartProgram(const std::string& path, const std::string& root, const std::vector<std::string>& args,
                   std::array<int, 3> streams);

// Waits for the child and gives its exit status; kills it when it outlives
// the time limit, and gives -1 then or after a death by signal.
int WaitWithLimit(pid_t child);

// A program running in the background, its standard output appended to a
// file and its standard error to another.
class BackgroundRun {
 public:
  BackgroundRun(const std::string& root, const std::string& path, const std::vector<std::string>& args,
                const std::string& outputPath, const std::string& errorPath);
  ~BackgroundRun();
  BackgroundRun(const BackgroundRun&) = delete;
  BackgroundRun& operator=(const BackgroundRun&) = delete;

  void Signal(int signal) const;
  int Wait();  // as WaitWithLimit

 private:
  pid_t child_ = -1;
};

// Whether the file came to hold `text` within the time limit.
bool WaitForText(const std::string& path, std::string_view text);
std::vector<std::string> FileLines(const std::string& path);
// Every line of the text as one JSON object.
std::vector<nlohmann::json> JsonLines(const std::string& text);
// Whether every line of the file validates against the shipped schemas
// (python3-jsonschema); failures are printed.
bool JsonLinesValid(const std::string& path);

// A fixture tree and one program run on it.
class ProgramTest : public ::testing::Test {
 protected:
  explicit ProgramTest(std::string_view program) : program_(program) {}
  ViewerRun Run(const std::vector<std::string>& args, const std::string& input = "") const {
    return RunProgram(program_, tree_.root().string(), args, input);
  }
  fixture::FixtureTree tree_;

 private:
  std::string_view program_;
};

// The viewer on a tree with its setup file.
class ViewerTest : public ProgramTest {
 protected:
  ViewerTest() : ProgramTest("rcviewer") {}
  void SetUp() override { tree_.WriteSetup(); }
};

// The access code that opens CE mode.
inline constexpr const char* kCeAccessCode = "tonbar47";
// The identity block of the fixture's setup file, as the viewer shows it.
inline constexpr std::string_view kIdentity =
    "MODEL CODE : QX2400 / PRODUCT No. : PQ240-0001\n"
    "MODEL NAME : QX-2400 Enterprise\n"
    "MODEL FRU  : QX24MB01\n"
    "RC DICT    : rcdict/1.23\n"
    "\n";

}  // namespace rcv::e2e
