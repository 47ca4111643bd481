#include "follow_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

#include "rclog/rc_log.h"
#include "sel/sel_log.h"

namespace rcv::e2e {

namespace {

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
  selLog_.slots.resize(kSelSlotCount);
  rc_ = OpenLog(tree, "rc.log", fixture::RcLogBytes(rcLog_));
  sel_ = OpenLog(tree, "sel.log", fixture::BuildSelLog(selLog_));
}

std::uint32_t RingWriter::AppendRc() {
  ++serial_;
  const std::size_t slot = rcLog_.nextSlot;
  fixture::AppendRcRecord(rcLog_, {.timestamp = kFirstFollowStamp + serial_, .rc = fixture::NumberedRc(serial_)});
  const std::vector<std::uint8_t> image = fixture::RcLogBytes(rcLog_);
  WriteAt(rc_, image, kRcLogHeaderSize + slot * kRcLogSlotSize, kRcLogSlotSize);
  WriteAt(rc_, image, 0, kRcLogHeaderSize);
  return serial_;
}

std::uint32_t RingWriter::AppendSel() {
  ++serial_;
  const bool empty = selLog_.newestIndex == kSelNothingWritten;
  const std::size_t slot = empty ? 0 : (selLog_.newestIndex + 1) % kSelSlotCount;
  selLog_.slots[slot] = {.recordId = static_cast<std::uint16_t>(serial_),
                         .timestamp = kFirstFollowStamp + serial_,
                         .sensorType = 0x01,
                         .eventType = 0x01,
                         .eventData = {0x57, 0x00, 0x00}};
  selLog_.newestIndex = static_cast<std::uint32_t>(slot);
  if (slot == kSelSlotCount - 1) selLog_.wrapMark = kSelWrappedMark;
  const std::vector<std::uint8_t> image = fixture::BuildSelLog(selLog_);
  WriteAt(sel_, image, SelSlotOffset(slot), kSelEntrySize);
  // The newest index, the validity and the wrap mark.
  WriteAt(sel_, image, kSelNewestIndexOffset, kSelWrapMarkOffset + 1 - kSelNewestIndexOffset);
  return serial_;
}

}  // namespace rcv::e2e
