// Where each field of an RC lookup result lies when the result is stored as
// bytes: the RC block of a MAR record holds an RC and its lookup result in
// this layout. Offsets are from the start of the block; texts are
// zero-terminated within their width.
#pragma once

#include <cstddef>

namespace rcv::rc_info_layout {

inline constexpr std::size_t kBlockSize = 5056;

// The RC the block describes; the lookup itself never writes it.
inline constexpr std::size_t kReferenceCode = 4;
inline constexpr std::size_t kRcName = 16;
inline constexpr std::size_t kRcNameWidth = 32;
inline constexpr std::size_t kFruRows = 192;
inline constexpr std::size_t kFruRowCount = 6;
inline constexpr std::size_t kFruRowSize = 128;
inline constexpr std::size_t kComment = 960;
inline constexpr std::size_t kCommentWidth = 4096;

// Within a FRU row.
inline constexpr std::size_t kActionCode = 2;
inline constexpr std::size_t kActionCodeWidth = 4;
inline constexpr std::size_t kWeight = 6;
inline constexpr std::size_t kWeightWidth = 4;
inline constexpr std::size_t kUnitMnemonic = 32;
inline constexpr std::size_t kUnitMnemonicWidth = 8;
inline constexpr std::size_t kFruMnemonic = 48;
inline constexpr std::size_t kFruMnemonicWidth = 16;

constexpr std::size_t FruRow(std::size_t row) { return kFruRows + kFruRowSize * row; }

static_assert(FruRow(kFruRowCount) == kComment);
static_assert(kComment + kCommentWidth == kBlockSize);

}  // namespace rcv::rc_info_layout
