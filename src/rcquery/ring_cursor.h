// Following a ring log (rc.log, sel.log) whose writer overwrites its oldest
// slot: what one read of the log shows, where the reader stands, and the
// step from one to the other. A new entry shows as moved header counters
// and a changed slot, never as appended bytes, so the reader remembers the
// newest slot it delivered with a digest of its bytes, and the header's
// running count where the log keeps one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rcv {

// One read of a ring log.
struct RingImage {
  std::size_t slotCount = 0;
  // The slots that the header lists as entries, oldest first.
  std::vector<std::size_t> listed;
  // How many entries were written since the log was last empty, where the
  // header counts them without saturating; nothing where it can't tell.
  std::optional<std::int64_t> sequence;
  // Per slot: the digest of its bytes and its time stamp.
  std::vector<std::string> digests;
  std::vector<std::uint32_t> times;

  bool Full() const { return listed.size() == slotCount; }
  // The slot the next entry takes. In a full ring it is the oldest listed
  // one, which the writer may already have filled before it moves the
  // counters: its bytes are not to be trusted.
  std::size_t WriteSlot() const { return listed.empty() ? 0 : (listed.back() + 1) % slotCount; }
  bool InFlux(std::size_t slot) const { return Full() && slot == WriteSlot(); }
};

// What the reader delivered from one slot.
struct DeliveredSlot {
  std::string digest;
  std::string id;
};

// Where the reader stands.
struct RingPosition {
  std::optional<std::int64_t> sequence;  // of the image last read
  std::optional<std::size_t> lastSlot;   // the newest slot read; nothing for an empty log
  std::uint32_t lastTime = 0;            // its time stamp, for the record
  // Per slot, what was delivered from it while it stays in the log.
  std::vector<std::optional<DeliveredSlot>> delivered;
};

struct RingStep {
  // Listed slots to deliver as new entries, oldest first.
  std::vector<std::size_t> fresh;
  // Delivered slots whose bytes changed: sent again under their old Id.
  std::vector<std::size_t> rewritten;
  // Entries the ring overwrote before they were read: a gap of `lost`
  // entries, or of an unknown number.
  bool gap = false;
  std::optional<std::uint64_t> lost;
  // The log was emptied (the viewer's erase) since the last read.
  bool emptied = false;
};

// The step from `at` to `image`; `at` must hold `image.slotCount`
// delivered rows.
RingStep AdvanceRing(const RingImage& image, const RingPosition& at);

// The position once `step` is delivered, the slots' entry Ids given by
// `idOf`.
template <typename IdOf>
RingPosition PositionAfter(const RingImage& image, const RingPosition& at, const RingStep& step, IdOf idOf);

// A position that takes every listed slot of `image` as delivered, as after
// printing the whole log.
template <typename IdOf>
RingPosition PositionAtEnd(const RingImage& image, IdOf idOf) {
  RingPosition position;
  position.sequence = image.sequence;
  position.delivered.resize(image.slotCount);
  for (const std::size_t slot : image.listed) position.delivered[slot] = DeliveredSlot{image.digests[slot], idOf(slot)};
  if (!image.listed.empty()) {
    position.lastSlot = image.listed.back();
    position.lastTime = image.times[image.listed.back()];
  }
  return position;
}

template <typename IdOf>
RingPosition PositionAfter(const RingImage& image, const RingPosition& at, const RingStep& step, IdOf idOf) {
  RingPosition position = at;
  position.delivered.resize(image.slotCount);
  if (step.emptied || step.gap) {
    for (auto& slot : position.delivered) slot.reset();
  }
  // Slots the log no longer lists hold nothing delivered any more.
  std::vector<bool> listed(image.slotCount, false);
  for (const std::size_t slot : image.listed) listed[slot] = true;
  for (std::size_t slot = 0; slot < image.slotCount; ++slot) {
    if (!listed[slot]) position.delivered[slot].reset();
  }
  for (const std::size_t slot : step.fresh) position.delivered[slot] = DeliveredSlot{image.digests[slot], idOf(slot)};
  for (const std::size_t slot : step.rewritten) {
    if (position.delivered[slot]) position.delivered[slot]->digest = image.digests[slot];
  }
  position.sequence = image.sequence;
  if (image.listed.empty()) {
    position.lastSlot.reset();
    position.lastTime = 0;
  } else if (!step.fresh.empty() || step.emptied || step.gap) {
    position.lastSlot = image.listed.back();
    position.lastTime = image.times[image.listed.back()];
  }
  return position;
}

}  // namespace rcv
