// What a dictionary run hands back when it collects FRU rows: the RC name
// and the FRU rows, each text cut at the width the run keeps.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace rcv {

inline constexpr std::size_t kScriptRcNameMax = 32;
inline constexpr std::size_t kScriptOutputRows = 63;
inline constexpr std::size_t kScriptUnitMnemonicMax = 8;
inline constexpr std::size_t kScriptFruMnemonicMax = 16;
inline constexpr std::size_t kScriptActionCodeMax = 3;
inline constexpr std::size_t kScriptWeightMax = 3;

struct FruRow {
  std::string unitMnemonic;
  std::string fruMnemonic;
  std::string actionCode;
  std::string weight;
};

struct ScriptOutput {
  std::string rcName;
  std::vector<FruRow> rows;  // the rows the last run filled, at most kScriptOutputRows
};

}  // namespace rcv
