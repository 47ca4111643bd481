// What a dictionary lookup tells about one RC: its name, its comment and the
// FRUs to replace, each text cut at the width that the record keeps.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "dict/rc_info_layout.h"

namespace rcv {

// Each text keeps what its stored width holds before the terminating zero.
inline constexpr std::size_t kRcNameMax = rc_info_layout::kRcNameWidth - 1;
inline constexpr std::size_t kRcCommentMax = rc_info_layout::kCommentWidth - 1;
inline constexpr std::size_t kRcInfoFruRows = rc_info_layout::kFruRowCount;
inline constexpr std::size_t kActionCodeMax = rc_info_layout::kActionCodeWidth - 1;
inline constexpr std::size_t kWeightMax = rc_info_layout::kWeightWidth - 1;
inline constexpr std::size_t kUnitMnemonicMax = rc_info_layout::kUnitMnemonicWidth - 1;
inline constexpr std::size_t kFruMnemonicMax = rc_info_layout::kFruMnemonicWidth - 1;

struct RcFruRow {
  std::string actionCode;
  std::string weight;  // the screens head it PRIORITY
  std::string unitMnemonic;
  std::string fruMnemonic;
};

struct RcInfo {
  std::string rcName;
  std::vector<RcFruRow> fru;  // at most kRcInfoFruRows, contiguous
  std::string comment;        // lines separated by "\n"
};

}  // namespace rcv
