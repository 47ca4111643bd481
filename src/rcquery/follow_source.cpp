#include "rcquery/follow_source.h"

#include <algorithm>
#include <limits>
#include <set>
#include <unordered_map>

#include "rclog/rc_log.h"
#include "rcquery/json_members.h"
#include "rcquery/mar_source.h"
#include "sel/sel_log.h"

namespace rcv {

namespace {

// The Id of the entry before the first one ever delivered.
constexpr std::string_view kStartId = "start";
// A position names a slot of its ring, an entry count the reader can hold
// and a time of four bytes; anything beyond is a damaged cursor file.
constexpr std::uint64_t kMaxSequence = std::numeric_limits<std::int64_t>::max();
constexpr std::uint64_t kMaxTime = std::numeric_limits<std::uint32_t>::max();

// Where each listed slot stands in the list.
std::unordered_map<std::size_t, std::size_t> IndexOf(const RingImage& image) {
  std::unordered_map<std::size_t, std::size_t> index;
  for (std::size_t i = 0; i < image.listed.size(); ++i) index[image.listed[i]] = i;
  return index;
}

// The Id of the entry of a listed slot.
std::function<std::string(std::size_t)> IdOf(const RingRead& read) {
  return [&read, index = IndexOf(read.image)](std::size_t slot) { return read.entries[index.at(slot)].id; };
}

class RingFollowSource : public FollowSource {
 public:
  RingFollowSource(std::string_view source, std::size_t slotCount, std::function<RingRead()> read)
      : source_(source), slotCount_(slotCount), read_(std::move(read)) {}

  std::string_view source() const override { return source_; }

  SourceRead Start() override {
    RingRead read = read_();
    SourceRead result;
    position_ = RingPosition{};
    if (!read.error.empty()) {
      result.errors.push_back(lastError_ = read.error);
      return result;
    }
    position_ = PositionAtEnd(read.image, IdOf(read));
    result.entries = std::move(read.entries);
    return result;
  }

  SourceRead Next() override {
    RingRead read = read_();
    SourceRead result;
    if (!read.error.empty()) {
      if (read.error != lastError_) result.errors.push_back(read.error);
      lastError_ = read.error;
      return result;
    }
    lastError_.clear();
    RingPosition at = position_.value_or(RingPosition{});
    at.delivered.resize(read.image.slotCount);
    if (fillPending_) FillDelivered(read, at);
    fillPending_ = false;
    const RingStep step = AdvanceRing(read.image, at);
    const auto index = IndexOf(read.image);
    for (const std::size_t slot : step.rewritten) {
      LogEntry entry = read.entries[index.at(slot)];
      entry.id = at.delivered[slot]->id;
      result.entries.push_back(std::move(entry));
    }
    if (step.emptied) result.errors.emplace_back("the log was emptied (erased); following it from its first entry");
    if (step.gap) {
      result.entries.push_back(GapEntry(source_, step.lost, LastId(at)));
      result.errors.push_back(GapMessage(step.lost));
    }
    for (const std::size_t slot : step.fresh) result.entries.push_back(read.entries[index.at(slot)]);
    position_ = PositionAfter(read.image, at, step, IdOf(read));
    return result;
  }

  Json SavePosition() const override {
    if (!position_) return nullptr;
    const RingPosition& at = *position_;
    Json saved = {{"Sequence", at.sequence ? Json(*at.sequence) : Json(nullptr)},
                  {"Slot", at.lastSlot ? Json(*at.lastSlot) : Json(nullptr)},
                  {"Digest", ""},
                  {"Time", at.lastTime},
                  {"Id", ""}};
    if (const DeliveredSlot* last = LastDelivered(at)) {
      saved["Digest"] = last->digest;
      saved["Id"] = last->id;
    }
    return saved;
  }

  bool LoadPosition(const Json& saved, std::string& error) override {
    error = "a " + std::string(source_) + " position needs Sequence, Slot (0 to " + std::to_string(slotCount_ - 1) +
            "), Digest, Time and Id";
    if (saved.is_null()) return true;
    const bool isPosition =
        HasMembers(saved, {{.name = "Sequence", .kind = JsonKind::kUnsigned, .nullable = true, .max = kMaxSequence},
                           {.name = "Slot", .kind = JsonKind::kUnsigned, .nullable = true, .max = slotCount_ - 1},
                           {.name = "Digest", .kind = JsonKind::kString},
                           {.name = "Time", .kind = JsonKind::kUnsigned, .max = kMaxTime},
                           {.name = "Id", .kind = JsonKind::kString}});
    if (!isPosition) return false;
    const Json& sequence = saved.at("Sequence");
    const Json& slot = saved.at("Slot");
    RingPosition at;
    if (!sequence.is_null()) at.sequence = sequence.get<std::int64_t>();
    at.lastTime = saved.at("Time").get<std::uint32_t>();
    if (!slot.is_null()) {
      at.lastSlot = slot.get<std::size_t>();
      at.delivered.resize(slotCount_);
      at.delivered[*at.lastSlot] =
          DeliveredSlot{saved.at("Digest").get<std::string>(), saved.at("Id").get<std::string>()};
    }
    position_ = std::move(at);
    fillPending_ = true;
    error.clear();
    return true;
  }

 private:
  // What was delivered from the newest slot read, if anything.
  static const DeliveredSlot* LastDelivered(const RingPosition& at) {
    if (!at.lastSlot || *at.lastSlot >= at.delivered.size() || !at.delivered[*at.lastSlot]) return nullptr;
    return &*at.delivered[*at.lastSlot];
  }
  static std::string LastId(const RingPosition& at) {
    if (const DeliveredSlot* last = LastDelivered(at)) return last->id;
    return std::string(kStartId);
  }

  // A position from the cursor file knows the newest slot delivered; the
  // listed slots before it were delivered as they are now.
  static void FillDelivered(const RingRead& read, RingPosition& at) {
    if (!at.lastSlot) return;
    const auto found = std::find(read.image.listed.begin(), read.image.listed.end(), *at.lastSlot);
    for (auto it = read.image.listed.begin(); it != found && found != read.image.listed.end(); ++it) {
      const auto i = static_cast<std::size_t>(it - read.image.listed.begin());
      at.delivered[*it] = DeliveredSlot{read.image.digests[*it], read.entries[i].id};
    }
  }

  std::string_view source_;
  std::size_t slotCount_;
  std::function<RingRead()> read_;
  std::optional<RingPosition> position_;
  bool fillPending_ = false;
  std::string lastError_;
};

// An index row names its record by folder and time: a folder used again
// later is a new row.
std::string RowKey(const LogEntry& entry) {
  return entry.id + "@" + (entry.created ? FormatRfc3339(*entry.created) : "-");
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined += line + "\n";
  return joined;
}

class MarFollowSource : public FollowSource {
 public:
  std::string_view source() const override { return kMarSource; }

  SourceRead Start() override {
    SourceRead read = ReadMarSource();
    started_ = true;
    for (const LogEntry& entry : read.entries) seen_.insert(RowKey(entry));
    lastErrors_ = Joined(read.errors);
    return read;
  }

  SourceRead Next() override {
    SourceRead read = ReadMarSource();
    SourceRead result;
    const std::string errors = Joined(read.errors);
    if (errors != lastErrors_) result.errors = read.errors;
    lastErrors_ = errors;
    // An index that can't be read says nothing about the rows delivered.
    if (read.entries.empty() && !read.errors.empty()) return result;
    std::set<std::string> seen;
    for (LogEntry& entry : read.entries) {
      const std::string key = RowKey(entry);
      if (!seen_.contains(key)) result.entries.push_back(std::move(entry));
      seen.insert(key);
    }
    seen_ = std::move(seen);
    started_ = true;
    return result;
  }

  Json SavePosition() const override {
    if (!started_) return nullptr;
    return {{"Seen", seen_}};
  }

  bool LoadPosition(const Json& saved, std::string& error) override {
    error = "a mar position needs Seen, a list of texts";
    if (saved.is_null()) return true;
    if (!HasMembers(saved, {{.name = "Seen", .kind = JsonKind::kArray}})) return false;
    for (const Json& key : saved["Seen"]) {
      if (!key.is_string()) return false;
      seen_.insert(key.get<std::string>());
    }
    started_ = true;
    error.clear();
    return true;
  }

 private:
  std::set<std::string> seen_;
  bool started_ = false;
  std::string lastErrors_;
};

}  // namespace

std::unique_ptr<FollowSource> MakeRingFollowSource(std::string_view source, std::size_t slotCount,
                                                   std::function<RingRead()> read) {
  return std::make_unique<RingFollowSource>(source, slotCount, std::move(read));
}

std::unique_ptr<FollowSource> MakeMarFollowSource() { return std::make_unique<MarFollowSource>(); }

std::unique_ptr<FollowSource> MakeFollowSource(std::string_view source) {
  if (source == kRcSource) return MakeRingFollowSource(kRcSource, kRcLogSlots, ReadRcRing);
  if (source == kSelSource) return MakeRingFollowSource(kSelSource, kSelSlotCount, ReadSelRing);
  return MakeMarFollowSource();
}

std::string GapMessage(std::optional<std::uint64_t> lost) {
  if (!lost) return "entries lost: the log overwrote them before they were read (how many is unknown)";
  return std::to_string(*lost) + (*lost == 1 ? " entry" : " entries") +
         " lost: the log overwrote them before they were read";
}

LogEntry GapEntry(std::string_view source, std::optional<std::uint64_t> lost, std::string_view lastId) {
  LogEntry entry;
  entry.source = source;
  entry.id = "gap-after-" + std::string(lastId);
  entry.severity = Severity::kWarning;
  entry.message = GapMessage(lost);
  entry.properties = {{"Gap", true}, {"Lost", lost ? Json(*lost) : Json(nullptr)}};
  return entry;
}

}  // namespace rcv
