#include "follow_support.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <thread>

#include "base/byte_order.h"
#include "run_viewer.h"

namespace rcv::e2e {

namespace {

constexpr std::size_t kRcHeaderSize = 32;
constexpr std::size_t kRcSlotSize = 32;
constexpr std::size_t kSelHeaderFieldsOffset = 4;  // newest index, validity, wrap mark
constexpr std::size_t kSelHeaderFieldsSize = 6;
constexpr std::size_t kSelHeaderSize = 1024;
constexpr std::size_t kSelSlotSize = 24;
constexpr std::size_t kSelSlots = 512;

void WriteAt(const UniqueFd& fd, const std::vector<std::uint8_t>& image, std::size_t offset, std::size_t size) {
  if (::pwrite(fd.get(), image.data() + offset, size, static_cast<off_t>(offset)) != static_cast<ssize_t>(size)) {
    std::abort();
  }
}

UniqueFd OpenLog(const fixture::FixtureTree& tree, const char* name, const std::vector<std::uint8_t>& image) {
  tree.WriteFile(tree.VrkLogDir() / name, image);
  return UniqueFd(::open((tree.VrkLogDir() / name).c_str(), O_WRONLY | O_CLOEXEC));
}

}  // namespace

RingWriter::RingWriter(const fixture::FixtureTree& tree) {
  selLog_.slots.resize(kSelSlots);
  rc_ = OpenLog(tree, "rc.log", fixture::RcLogBytes(rcLog_));
  sel_ = OpenLog(tree, "sel.log", fixture::BuildSelLog(selLog_));
}

std::uint32_t RingWriter::AppendRc() {
  ++serial_;
  const std::size_t slot = rcLog_.nextSlot;
  fixture::RcLogRecordValues record;
  record.timestamp = kFirstFollowStamp + serial_;
  record.rc = fixture::NumberedRc(serial_);
  fixture::AppendRcRecord(rcLog_, record);
  const std::vector<std::uint8_t> image = fixture::RcLogBytes(rcLog_);
  WriteAt(rc_, image, kRcHeaderSize + slot * kRcSlotSize, kRcSlotSize);
  WriteAt(rc_, image, 0, kRcHeaderSize);
  return serial_;
}

std::uint32_t RingWriter::AppendSel() {
  ++serial_;
  const bool empty = selLog_.newestIndex == 0xFFFFFFFF;
  const std::size_t slot = empty ? 0 : (selLog_.newestIndex + 1) % kSelSlots;
  fixture::SelEntryValues& entry = selLog_.slots[slot];
  entry.recordId = static_cast<std::uint16_t>(serial_);
  entry.timestamp = kFirstFollowStamp + serial_;
  entry.sensorType = 0x01;
  entry.eventType = 0x01;
  entry.eventData = {0x57, 0x00, 0x00};
  selLog_.newestIndex = static_cast<std::uint32_t>(slot);
  if (slot == kSelSlots - 1) selLog_.wrapMark = 0xFF;
  const std::vector<std::uint8_t> image = fixture::BuildSelLog(selLog_);
  WriteAt(sel_, image, kSelHeaderSize + slot * kSelSlotSize, kSelSlotSize);
  WriteAt(sel_, image, kSelHeaderFieldsOffset, kSelHeaderFieldsSize);
  return serial_;
}

std::string FollowEntryTime(std::uint32_t serial) {
  const std::time_t stamp = kFirstFollowStamp + serial;
  std::tm parts{};
  gmtime_r(&stamp, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
  return text;
}

BackgroundRun::BackgroundRun(const std::string& root, const std::string& program, const std::vector<std::string>& args,
                             const std::string& outputPath, const std::string& errorPath) {
  std::vector<std::string> argv = {program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> env = ChildEnvironment(root, {});
  const std::vector<char*> argPointers = PointersTo(argv);
  const std::vector<char*> envPointers = PointersTo(env);
  child_ = fork();
  if (child_ == 0) {
    const int out = ::open(outputPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    const int err = ::open(errorPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    const int in = ::open("/dev/null", O_RDONLY);
    dup2(in, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    execve(argPointers[0], argPointers.data(), envPointers.data());
    _exit(127);
  }
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

bool JsonLinesValid(const std::string& path) {
  const std::string source = RCV_SOURCE_DIR;
  const std::string command =
      "python3 '" + source + "/tests/schema/validate_json_lines.py' '" + source + "/schema' '" + path + "' >&2";
  return std::system(command.c_str()) == 0;
}

std::vector<std::string> FileLines(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

}  // namespace rcv::e2e
