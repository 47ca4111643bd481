#include "rclog/rc_detail.h"

#include <algorithm>

namespace rcv {

namespace {

constexpr std::string_view kFruSeparator = "         +---------+-----------------+--------+----------+\n";

std::string FruBoxTitle(std::size_t row, std::size_t rows) {
  return "FRU(" + std::to_string(row) + "/" + std::to_string(rows) +
         ") +---------+-----------------+--------+----------+\n";
}

std::string FruBoxRow(const RcFruRow& fru) {
  return "         | " + FormatFruCell(fru.unitMnemonic, kUnitMnemonicMax) + " | " +
         FormatFruCell(fru.fruMnemonic, kFruMnemonicMax) + " |  " + FormatFruCell(fru.actionCode, kActionCodeMax) +
         "   |   " + FormatFruCell(fru.weight, kWeightMax) + "    |\n";
}

}  // namespace

std::string FormatFruCell(std::string_view text, std::size_t width) {
  std::string cell(text.substr(0, width));
  if (cell.find_first_not_of(' ') == std::string::npos) cell = "-";
  cell.resize(width, ' ');
  return cell;
}

void ShowFruTable(RcPager& pager, const RcInfo& info, int rowCount) {
  // Never more rows than the record holds, whatever the lookup said.
  const std::size_t rows = std::min<std::size_t>(static_cast<std::size_t>(std::max(rowCount, 0)), info.fru.size());
  pager.Print("\n");
  for (std::size_t i = 0; i < rows; ++i) {
    pager.Print(FruBoxTitle(i + 1, rows));
    pager.Print("         |   UNIT  |  FRU MNIMONIC   | ACTION | PRIORITY |\n");
    pager.Print(kFruSeparator);
    pager.Print(FruBoxRow(info.fru[i]));
    pager.Print(kFruSeparator);
  }
}

int ShowRcDetail(Screen& screen, const ReferenceCode& rc, const RcInfo& info, int rowCount) {
  RcPager pager(screen.console);
  screen.out() << '\n';
  pager.Print("RC      : " + FormatReferenceCode(rc) + "\n");
  pager.Print("RC NAME : " + info.rcName + "\n");
  pager.Print("--- COMMENT ---\n");
  screen.conversion.ConvertText(info.comment, screen.out());
  if (rowCount != 0) ShowFruTable(pager, info, rowCount);
  screen.out() << "---------- End of data ----------\n";
  return 1;
}

}  // namespace rcv
