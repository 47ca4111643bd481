// Runs the dictionary interpreter on arbitrary scripts. The input is split
// as script_input.h says: run mode, RC text, script. The script is written
// to a folder of this process together with a second script and companion
// files, so EXEC, FILE, CMTFILE, GETRCMSG and DSPCMT find something to read.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "dict/script_output.h"
#include "dict/script_run.h"
#include "script_input.h"

namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, std::string_view text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// A lower-case folder, since EXEC folds the whole path; removed when the
// process ends.
class ScriptFolder {
 public:
  ScriptFolder() {
    fs::create_directories(path_);
    WriteFile(path_ / "sub.csv", "SET,%RC-NAME,sub\nCOMMENT,%UNIT,U1\nEXEC,main.csv\n");
    WriteFile(path_ / "t.csv", "K1,a,b,\"c,d\"\n$GH,x,y\n4701,p,q\n");
    WriteFile(path_ / "c.txt", "/*A*/\nline {GH}\n/*E*/\n /*B*/ \r\nb\n");
    WriteFile(path_ / "m.txt", "/*S1*/\nUnit %1 at %2 %:\n/*E*/\n/*S2*/\nopen\n");
    // Diagnostics and listings are not what is being tested.
    std::cout.rdbuf(nullptr);
  }
  ~ScriptFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  fs::path Script() const { return path_ / "main.csv"; }

 private:
  fs::path path_ = fs::temp_directory_path() / ("rcv-interp-fuzz-" + std::to_string(::getpid()));
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const rcv::fuzz::ScriptInput input =
      rcv::fuzz::SplitScriptInput(std::string_view(reinterpret_cast<const char*>(data), size));

  static const ScriptFolder folder;
  const fs::path script = folder.Script();
  WriteFile(script, input.script);
  rcv::ScriptOutput output;
  std::string comment;
  const int result = rcv::RunScript(input.rcText, script.string(), &output, &comment, input.mode, nullptr);
  rcv::fuzz::CheckScriptOutput(result, output);
  return 0;
}
