#include "rcquery/ring_cursor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace rcv {
namespace {

// A ring written the way the monitoring service writes its logs: the slot
// first, the counters after; a slot rewritten in place now and then; an
// erase that resets the counters only. Each entry carries a serial number,
// so that what the reader delivers can be checked against what was written.
struct ModelRing {
  struct Slot {
    std::uint64_t serial = 0;
    int version = 0;
  };

  ModelRing(std::size_t size, bool counted) : slots(size), counted(counted) {}

  std::size_t Listed() const { return std::min<std::size_t>(static_cast<std::size_t>(count), slots.size()); }
  void Fill() {
    slots[next] = Slot{nextSerial++, 0};
    pending = true;
  }
  void Commit() {
    next = (next + 1) % slots.size();
    ++count;
    pending = false;
  }
  RingImage Image() const {
    RingImage image;
    image.slotCount = slots.size();
    for (std::size_t k = Listed(); k > 0; --k) image.listed.push_back((next + slots.size() - k) % slots.size());
    if (counted) image.sequence = count;
    for (const Slot& slot : slots) {
      image.digests.push_back(std::to_string(slot.serial) + "/" + std::to_string(slot.version));
      image.times.push_back(static_cast<std::uint32_t>(slot.serial));
    }
    return image;
  }
  std::string IdOf(std::size_t slot) const {
    return std::to_string(slots[slot].serial) + "v" + std::to_string(slots[slot].version);
  }

  std::vector<Slot> slots;
  bool counted;
  std::int64_t count = 0;
  std::size_t next = 0;
  std::uint64_t nextSerial = 1;
  bool pending = false;
};

void FollowModel(bool counted, unsigned seed) {
  SCOPED_TRACE("seed " + std::to_string(seed) + (counted ? " counted" : " positional"));
  std::mt19937 random(seed);
  ModelRing ring(8, counted);
  const auto idOf = [&ring](std::size_t slot) { return ring.IdOf(slot); };
  RingPosition at = PositionAtEnd(ring.Image(), idOf);
  std::uint64_t lastSerial = 0, delivered = 0, lost = 0;
  bool erased = false;
  std::set<std::size_t> rewrittenSince;  // slots rewritten after delivery, not yet re-sent
  for (int op = 0; op < 4000; ++op) {
    const unsigned pick = random() % 100;
    if (pick < 40) {
      const int burst = random() % 10 == 0 ? 12 : 1;
      for (int i = 0; i < burst; ++i) {
        // An erase followed by a whole ring before the next read can't be
        // told from a ring that moved on.
        if (erased && ring.count + 1 >= static_cast<std::int64_t>(ring.slots.size())) break;
        if (!ring.pending) {
          ring.Fill();
          rewrittenSince.erase(ring.next);
        }
        if (random() % 4 != 0) ring.Commit();
      }
    } else if (pick < 50 && ring.pending) {
      ring.Commit();
    } else if (pick < 60 && ring.Listed() > 0) {
      const RingImage image = ring.Image();
      const std::size_t slot = image.listed[random() % image.listed.size()];
      if (!image.InFlux(slot) && !(ring.pending && slot == ring.next) && at.delivered[slot]) {
        ++ring.slots[slot].version;
        rewrittenSince.insert(slot);
      }
    } else if (pick < 63 && counted && !ring.pending) {
      delivered = lost = 0;
      erased = true;
      // What the erase took unread is gone, neither delivered nor lost.
      lastSerial = ring.nextSerial - 1;
      ring.count = 0;
      ring.next = 0;
      rewrittenSince.clear();
    } else {
      const RingImage image = ring.Image();
      const RingStep step = AdvanceRing(image, at);
      const std::uint64_t before = lastSerial;
      for (const std::size_t slot : step.fresh) {
        const std::uint64_t serial = ring.slots[slot].serial;
        ASSERT_GT(serial, lastSerial) << "delivered twice or out of order";
        if (serial != lastSerial + 1 && !step.emptied) {
          ASSERT_TRUE(step.gap) << "entries skipped without a gap, op " << op;
        }
        lastSerial = serial;
        rewrittenSince.erase(slot);
      }
      // A gap without loss only where the newest slot read is the one the
      // writer fills next, whose change can't be told from a ring come round.
      if (step.gap && !step.emptied && at.lastSlot && !step.fresh.empty() &&
          ring.slots[step.fresh.front()].serial == before + 1) {
        EXPECT_TRUE(image.InFlux(*at.lastSlot)) << "a gap without loss";
      }
      if (!step.gap && !step.emptied) {
        for (const std::size_t slot : rewrittenSince) {
          // The oldest slot of a full ring may be the writer's next; its
          // bytes are never trusted.
          if (image.InFlux(slot)) continue;
          EXPECT_NE(std::find(step.rewritten.begin(), step.rewritten.end(), slot), step.rewritten.end())
              << "rewrite of slot " << slot << " not sent again, op " << op;
        }
      }
      rewrittenSince.clear();
      erased = false;
      delivered += step.fresh.size();
      if (step.lost) lost += *step.lost;
      if (counted) {
        ASSERT_EQ(delivered + lost, static_cast<std::uint64_t>(ring.count)) << "op " << op;
      }
      at = PositionAfter(image, at, step, idOf);
    }
  }
}

TEST(RingCursorTest, CountedRingDeliversEveryEntryOnceOrCountsItLost) {
  for (unsigned seed = 1; seed <= 20; ++seed) FollowModel(true, seed);
}

TEST(RingCursorTest, UncountedRingNeverRepeatsAndReportsEverySkip) {
  for (unsigned seed = 1; seed <= 20; ++seed) FollowModel(false, seed);
}

}  // namespace
}  // namespace rcv
