#include "marlog/mar_record.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "base/byte_order.h"
#include "base/utc_time.h"
#include "shell/reference_code.h"

namespace rcv {

namespace {

namespace layout = rc_info_layout;
using Bytes = std::span<const std::uint8_t>;

constexpr std::string_view kTitleRule = "+------------------------------+\n";
constexpr std::string_view kFruRule = "+---+-------------------------------------------------------------------+\n";

// A stored text: up to its terminating zero, never past its width.
std::string FieldText(Bytes bytes, std::size_t offset, std::size_t width) {
  const Bytes field = bytes.subspan(offset, width);
  const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  return std::string(field.begin(), end);
}

std::string HexBytes(Bytes bytes, std::size_t offset, std::initializer_list<std::size_t> groups) {
  std::string text;
  char pair[3];
  for (std::size_t group : groups) {
    if (!text.empty()) text += ' ';
    for (std::size_t i = 0; i < group; ++i, ++offset) {
      std::snprintf(pair, sizeof pair, "%02X", ReadU8(bytes, offset));
      text += pair;
    }
  }
  return text;
}

// A FRU column is as wide as its stored field.
std::string Column(Bytes row, std::size_t offset, std::size_t width) {
  std::string text = FieldText(row, offset, width);
  text.resize(width, ' ');
  return text;
}

std::string TitleLine(std::uint32_t stamp) {
  const UtcTimeText time = FormatUtcTime(static_cast<std::int32_t>(stamp));
  if (time.date.empty() || time.time.empty()) return "| MARLOG (pre init timestamp)  |\n";
  return "| MARLOG (" + time.date + " " + time.time + ")   |\n";
}

// An action or weight that holds nothing but blanks shows as " -".
std::string CodeColumn(Bytes row, std::size_t offset, std::size_t width) {
  std::string text = Column(row, offset, width);
  if (text.find_first_not_of(' ') == std::string::npos) text.replace(0, 2, " -");
  return text;
}

bool IsEmptyRow(Bytes row) {
  return std::all_of(row.begin(), row.end(), [](std::uint8_t b) { return b == 0; });
}

void PrintFruRows(Bytes record, std::ostream& out) {
  std::size_t shown = 0;
  for (; shown < kMarFruRowsShown; ++shown) {
    const Bytes row = record.subspan(MarRcField(layout::FruRow(shown)), layout::kFruRowSize);
    if (IsEmptyRow(row)) break;
    out << kFruRule << "| " << shown + 1
        << " | UNIT         : " << Column(row, layout::kUnitMnemonic, layout::kUnitMnemonicWidth)
        << "           FRU MNEMONIC : " << Column(row, layout::kFruMnemonic, layout::kFruMnemonicWidth) << " |\n"
        << "|   | ACTION       : " << CodeColumn(row, layout::kActionCode, layout::kActionCodeWidth)
        << "               WEIGHT       : " << CodeColumn(row, layout::kWeight, layout::kWeightWidth)
        << "             |\n";
  }
  out << (shown > 0 ? kFruRule : " No FRU\n");
}

}  // namespace

void PrintMarRecord(std::span<const std::uint8_t, kMarRecordSize> record, const TextConversion& conversion,
                    std::ostream& out) {
  const Bytes bytes(record);
  char reason[8];
  std::snprintf(reason, sizeof reason, "%02X%02X", kMarReasonPrefix, ReadU8(bytes, kMarReasonNumberOffset));
  out << '\n' << kTitleRule << TitleLine(ReadLe32(bytes, kMarTimestampOffset)) << kTitleRule;
  out << "- CALL FACTOR INFORMATION -\n"
      << " Reason  : " << reason << '\n'
      << " Impact  : " << static_cast<char>(ReadU8(bytes, kMarImpactOffset))
      << static_cast<char>(ReadU8(bytes, kMarImpactOffset + 1)) << "\n\n";
  out << "- RC INFORMATION -\n"
      << " CONFIGURATION : " << HexBytes(bytes, kMarConfigurationOffset, {1, 3, 4}) << '\n'
      << " EVENT         : " << HexBytes(bytes, kMarEventOffset, {2, 1, 4, 2, 1, 2, 4}) << '\n'
      << " RC            : "
      << FormatReferenceCode(bytes.subspan<MarRcField(layout::kReferenceCode), kReferenceCodeSize>()) << '\n'
      << " RC NAME       : " << FieldText(bytes, MarRcField(layout::kRcName), layout::kRcNameWidth) << '\n'
      << " COMMENT       : \n";
  conversion.ConvertText(FieldText(bytes, MarRcField(layout::kComment), layout::kCommentWidth), out);
  out << "\n\n- FRU INFORMATION -\n";
  PrintFruRows(bytes, out);
  out << '\n';
}

}  // namespace rcv
