// What the follow tests share: a writer that appends into the fixture rings
// the way the monitoring service does (the slot first, the counters after,
// in place), and rcquery running in the background.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/unique_fd.h"
#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "fixture/sel_log_writer.h"

namespace rcv::e2e {

// Every entry written gets a time stamp of its own, this plus its serial
// number, so that its Created property names it in any source.
inline constexpr std::uint32_t kFirstFollowStamp = 1'800'000'000;

class RingWriter {
 public:
  // Writes an empty rc.log and sel.log into the tree.
  explicit RingWriter(const fixture::FixtureTree& tree);
  // Appends one entry; returns its serial number.
  std::uint32_t AppendRc();
  std::uint32_t AppendSel();
  std::uint32_t written() const { return serial_; }

 private:
  UniqueFd rc_;
  UniqueFd sel_;
  fixture::RcLogValues rcLog_;
  fixture::SelLogValues selLog_;
  std::uint32_t serial_ = 0;
};

// The Created text of the entry with that serial number.
std::string FollowEntryTime(std::uint32_t serial);

// A program of the build running in the background, its standard output
// appended to a file and its standard error to another.
class BackgroundRun {
 public:
  BackgroundRun(const std::string& root, const std::string& program, const std::vector<std::string>& args,
                const std::string& outputPath, const std::string& errorPath);
  ~BackgroundRun();
  BackgroundRun(const BackgroundRun&) = delete;
  BackgroundRun& operator=(const BackgroundRun&) = delete;

  void Signal(int signal) const;
  // The exit status, -1 for a death by signal or a run that outlives the
  // time limit (killed then).
  int Wait();

 private:
  pid_t child_ = -1;
};

// Whether every line of the file validates against the shipped schemas
// (python3-jsonschema); failures are printed.
bool JsonLinesValid(const std::string& path);

// The lines of a file.
std::vector<std::string> FileLines(const std::string& path);

}  // namespace rcv::e2e
