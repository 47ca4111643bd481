#include "rclog/rc_pager.h"

namespace rcv {

void RcPager::Print(std::string_view line) {
  console_.out() << line;
  if (++count_ < kPagerLines) return;
  console_.out() << "\n!!!!!!!!!! Watch Next Page !!!!!!!!!!\n";
  count_ = 0;
  WaitEnterKey(console_);
  console_.out() << '\n';
}

}  // namespace rcv
