// Pauses long output every 20 lines for the operator to read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/console.h"

namespace rcv {

inline constexpr std::size_t kPagerLines = 20;

class RcPager {
 public:
  explicit RcPager(Console& console) : console_(console) {}
  // Prints one line (its text holds its own line end) and pauses after
  // every 20th; each call counts as one line whatever it holds.
  void Print(std::string_view line);
  std::size_t count() const { return count_; }

 private:
  Console& console_;
  std::uint16_t count_ = 0;
};

}  // namespace rcv
