#include "rcquery/ring_cursor.h"

#include <algorithm>

namespace rcv {

namespace {

// The listed slots whose bytes can be trusted, oldest first.
std::vector<std::size_t> UsableSlots(const RingImage& image) {
  std::vector<std::size_t> usable;
  for (const std::size_t slot : image.listed) {
    if (!image.InFlux(slot)) usable.push_back(slot);
  }
  return usable;
}

// Everything listed is new: the log was empty, or was emptied, at the last
// read. Entries beyond what the ring holds were lost.
RingStep FromStart(const RingImage& image, const std::vector<std::size_t>& usable) {
  RingStep step;
  step.fresh = usable;
  if (image.sequence) {
    if (*image.sequence > static_cast<std::int64_t>(usable.size())) {
      step.gap = true;
      step.lost = static_cast<std::uint64_t>(*image.sequence) - usable.size();
    }
  } else if (image.Full()) {
    step.gap = true;
  }
  return step;
}

// Delivered slots, not among the fresh ones, whose bytes changed.
void FindRewrites(const RingImage& image, const RingPosition& at, RingStep& step) {
  for (const std::size_t slot : image.listed) {
    if (image.InFlux(slot) || std::find(step.fresh.begin(), step.fresh.end(), slot) != step.fresh.end()) continue;
    const std::optional<DeliveredSlot>& delivered = at.delivered[slot];
    if (delivered && delivered->digest != image.digests[slot]) step.rewritten.push_back(slot);
  }
}

// The header counts the entries: the newest `delta` are new, and what the
// ring no longer holds of them was lost. Nothing when the count and the
// slots disagree.
std::optional<RingStep> StepBySequence(const RingImage& image, const RingPosition& at,
                                       const std::vector<std::size_t>& usable) {
  const std::int64_t delta = *image.sequence - *at.sequence;
  const auto ringDelta = static_cast<std::size_t>(delta % static_cast<std::int64_t>(image.slotCount));
  if ((*at.lastSlot + ringDelta) % image.slotCount != image.listed.back()) return std::nullopt;
  RingStep step;
  const std::size_t available = std::min(static_cast<std::size_t>(delta), usable.size());
  step.fresh.assign(usable.end() - static_cast<std::ptrdiff_t>(available), usable.end());
  if (static_cast<std::size_t>(delta) > available) {
    step.gap = true;
    step.lost = static_cast<std::uint64_t>(delta) - available;
  }
  FindRewrites(image, at, step);
  return step;
}

// Without a count, the newest slot read tells: unchanged, or changed but
// with its time (the same entry rewritten in place), the entries after it
// are new; changed with another time, the ring came round and overwrote it
// (even when the newest slot is the same again), and how much else was lost
// is unknown. The slot the writer fills next may hold the next entry
// written ahead or the ring come round: that counts as a gap too, since a
// gap too many is better than a loss unsaid.
RingStep StepBySlot(const RingImage& image, const RingPosition& at, const std::vector<std::size_t>& usable,
                    std::size_t lastIndex) {
  const std::size_t last = *at.lastSlot;
  const std::optional<DeliveredSlot>& delivered = at.delivered[last];
  const bool sameEntry = !delivered || delivered->digest == image.digests[last] || image.times[last] == at.lastTime;
  RingStep step;
  if (!sameEntry) {
    step.fresh = usable;
    step.gap = true;
    return step;
  }
  for (std::size_t i = lastIndex + 1; i < image.listed.size(); ++i) {
    if (!image.InFlux(image.listed[i])) step.fresh.push_back(image.listed[i]);
  }
  FindRewrites(image, at, step);
  return step;
}

// Whether the newest slot read holds another entry now (other bytes and
// another time) although the count says the ring has not come round to it:
// the log was erased and written again past its old count.
bool Replaced(const RingImage& image, const RingPosition& at) {
  const std::size_t last = *at.lastSlot;
  const std::optional<DeliveredSlot>& delivered = at.delivered[last];
  const std::int64_t delta = *image.sequence - *at.sequence;
  return delivered && delta < static_cast<std::int64_t>(image.slotCount) && !image.InFlux(last) &&
         delivered->digest != image.digests[last] && image.times[last] != at.lastTime;
}

}  // namespace

RingStep AdvanceRing(const RingImage& image, const RingPosition& at) {
  if (image.listed.empty()) {
    RingStep step;
    step.emptied = at.lastSlot.has_value();
    return step;
  }
  const std::vector<std::size_t> usable = UsableSlots(image);
  if (!at.lastSlot) return FromStart(image, usable);
  // The count falls back only when the log is erased.
  const bool countFell = image.sequence && at.sequence && *image.sequence < *at.sequence;
  const auto found = std::find(image.listed.begin(), image.listed.end(), *at.lastSlot);
  if (countFell || found == image.listed.end() || (image.sequence && at.sequence && Replaced(image, at))) {
    RingStep step = FromStart(image, usable);
    step.emptied = true;
    return step;
  }
  if (image.sequence && at.sequence) {
    if (std::optional<RingStep> step = StepBySequence(image, at, usable)) return *step;
  }
  return StepBySlot(image, at, usable, static_cast<std::size_t>(found - image.listed.begin()));
}

}  // namespace rcv
