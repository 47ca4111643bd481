// What a dictionary lookup tells about one RC: its name, its comment and the
// FRUs to replace, each text cut at the width that the record keeps.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace rcv {

inline constexpr std::size_t kRcNameMax = 31;
inline constexpr std::size_t kRcCommentMax = 4095;
inline constexpr std::size_t kRcInfoFruRows = 6;
inline constexpr std::size_t kActionCodeMax = 3;
inline constexpr std::size_t kWeightMax = 3;
inline constexpr std::size_t kUnitMnemonicMax = 7;
inline constexpr std::size_t kFruMnemonicMax = 15;

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
