#include "rcquery/follow_command.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "base/unique_fd.h"

#include "rcquery/cursor_file.h"
#include "rcquery/entry_filter.h"
#include "rcquery/entry_output.h"
#include "rcquery/follow_source.h"
#include "rcquery/follow_watch.h"
#include "rcquery/rc_source.h"
#include "shell/roots.h"

namespace rcv {

namespace {

constexpr std::string_view kProgram = "rcquery";

// The system may stop a write to a file between two of the file's pages
// when the writer is killed, so a run killed in the middle of a line can
// leave that line cut short at the end of an output file. The next run
// ends it before its own first line, which then stands whole; the entry
// itself comes again, since the cursor never passed it. The descriptor may
// be open for writing only, so the last byte is read through another one.
void EndCutLine(int outputFd, std::ostream& out) {
  struct stat status {};
  if (::fstat(outputFd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size == 0) return;
  const UniqueFd reader(::open(("/proc/self/fd/" + std::to_string(outputFd)).c_str(), O_RDONLY | O_CLOEXEC));
  char last = '\n';
  if (reader.valid() && ::pread(reader.get(), &last, 1, status.st_size - 1) == 1 && last != '\n') out << '\n';
}

using Followers = std::vector<std::unique_ptr<FollowSource>>;

Followers MakeFollowers(std::string_view source) {
  Followers followers;
  if (source == kAllSources) {
    for (const std::string_view each : {kRcSource, kSelSource, kMarSource}) followers.push_back(MakeFollowSource(each));
  } else {
    followers.push_back(MakeFollowSource(source));
  }
  return followers;
}

// The folders whose changes can change the logs: the one of rc.log and
// sel.log, and the MARLOG folder.
std::vector<std::string> WatchedFolders() { return {VrkLogPath(""), VrkLogPath("mar")}; }

// Gap entries pass every filter: what they stand for may have matched.
bool Keep(const LogEntry& entry, const EntryFilter& filter) {
  return entry.properties.contains("Gap") || Matches(entry, filter);
}

class Follower {
 public:
  Follower(const RcqueryOptions& options, std::ostream& out, std::ostream& err)
      : options_(options), out_(out), err_(err), followers_(MakeFollowers(options.source)) {}

  // Loads the cursor file when there is one; false after saying why not.
  bool LoadCursor() {
    if (options_.cursorFile.empty()) return true;
    std::string error;
    std::optional<Json> cursor = LoadCursorFile(options_.cursorFile, error);
    if (!error.empty()) return Fail(error);
    if (!cursor) return true;
    cursor_ = std::move(*cursor);
    for (const auto& follower : followers_) {
      const std::string key(follower->source());
      if (!cursor_.contains(key)) continue;
      if (!follower->LoadPosition(cursor_[key], error))
        return Fail("cursor file " + options_.cursorFile + ": " + error);
      resumed_.push_back(follower.get());
    }
    return true;
  }

  // The first batch: the one-shot query's entries, or, for a source the
  // cursor knows, what came after the cursor.
  bool First() {
    std::vector<std::vector<LogEntry>> logs;
    for (const auto& follower : followers_) {
      const bool resumed = std::find(resumed_.begin(), resumed_.end(), follower.get()) != resumed_.end();
      logs.push_back(Take(*follower, resumed ? follower->Next() : follower->Start()));
    }
    std::vector<LogEntry> batch = MergeTimelines(std::move(logs));
    if (options_.count && resumed_.empty()) KeepNewest(batch, *options_.count);
    return Deliver(std::move(batch));
  }

  bool Next() {
    std::vector<std::vector<LogEntry>> logs;
    for (const auto& follower : followers_) logs.push_back(Take(*follower, follower->Next()));
    return Deliver(MergeTimelines(std::move(logs)));
  }

  int status() const { return status_; }

 private:
  bool Fail(const std::string& reason) {
    err_ << kProgram << ": " << reason << '\n';
    status_ = kRcqueryFailed;
    return false;
  }

  std::vector<LogEntry> Take(const FollowSource& follower, SourceRead read) {
    for (const std::string& error : read.errors) err_ << kProgram << ": " << follower.source() << ": " << error << '\n';
    SetTimelineTimes(read.entries);
    std::erase_if(read.entries, [this](const LogEntry& entry) { return !Keep(entry, options_.filter); });
    return std::move(read.entries);
  }

  // Prints the batch, and once it has reached the output, moves the
  // cursor past it. False when the run is to end.
  bool Deliver(std::vector<LogEntry> batch) {
    NameRcEntriesFromDictionary(batch);
    // Line by line, so that a kill never leaves half a line behind.
    for (const LogEntry& entry : batch) {
      out_ << (options_.json ? FormatJsonLine(entry) : FormatTextLine(entry));
      out_.flush();
      // A reader that went away needs nothing more; main tells a closed
      // pipe from a failed write.
      if (!out_) return false;
    }
    err_.flush();
    return SaveCursor();
  }

  bool SaveCursor() {
    if (options_.cursorFile.empty()) return true;
    Json cursor = cursor_.is_object() ? cursor_ : Json::object();
    for (const auto& follower : followers_) cursor[std::string(follower->source())] = follower->SavePosition();
    if (cursor == cursor_) return true;
    const std::string error = SaveCursorFile(options_.cursorFile, cursor);
    if (!error.empty()) return Fail(error);
    cursor_ = std::move(cursor);
    return true;
  }

  const RcqueryOptions& options_;
  std::ostream& out_;
  std::ostream& err_;
  Followers followers_;
  std::vector<const FollowSource*> resumed_;
  Json cursor_;
  int status_ = kRcqueryOk;
};

}  // namespace

int RunFollow(const RcqueryOptions& options, std::ostream& out, std::ostream& err, int outputFd) {
  Follower follower(options, out, err);
  if (!follower.LoadCursor()) return follower.status();
  // Watching starts before the first read, so that no change between the
  // two goes unseen.
  FollowWatch watch(WatchedFolders());
  if (!watch.ready()) {
    err << kProgram << ": can't watch the log folders (inotify)\n";
    return kRcqueryFailed;
  }
  EndCutLine(outputFd, out);
  if (!follower.First()) return follower.status();
  for (;;) {
    switch (watch.Wait(outputFd)) {
      case FollowWatch::Wake::kChanged:
        if (!follower.Next()) return follower.status();
        break;
      case FollowWatch::Wake::kFailed:
        err << kProgram << ": waiting for changes failed\n";
        return kRcqueryFailed;
      default:  // stopped, or nobody reads any more
        return follower.status();
    }
  }
}

}  // namespace rcv
