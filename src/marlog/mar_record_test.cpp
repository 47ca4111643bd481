#include "marlog/mar_record.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

namespace rcv {
namespace {

using Record = std::array<std::uint8_t, kMarRecordSize>;

// Fields are placed at their offsets in the file, independent of the
// reader's layout constants.
void Put(Record& record, std::size_t offset, std::string_view text) {
  std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

void PutFru(Record& record, std::size_t row, std::string_view action, std::string_view weight, std::string_view unit,
            std::string_view fru) {
  const std::size_t at = 256 + 128 * row;
  Put(record, at + 2, action);
  Put(record, at + 6, weight);
  Put(record, at + 32, unit);
  Put(record, at + 48, fru);
}

std::string Shown(const Record& record) {
  std::ostringstream out;
  PrintMarRecord(record, TextConversion(), out);
  return out.str();
}

constexpr std::string_view kRule = "+---+-------------------------------------------------------------------+\n";

TEST(MarRecordTest, WholeDetailWithTheFirstFiveFruRows) {
  Record record{};
  for (std::size_t i = 0; i < 16; ++i) record[i] = static_cast<std::uint8_t>(0xA0 + i);
  Put(record, 3, std::string("\x00\xCA\x9A\x3B", 4));  // 1000000000, 2001-09-09 01:46:40
  for (std::size_t i = 0; i < 8; ++i) record[16 + i] = static_cast<std::uint8_t>(0x10 + i);
  record[29] = 0x01;
  Put(record, 30, "H1");
  for (std::size_t i = 0; i < 12; ++i) record[68 + i] = static_cast<std::uint8_t>(0x30 + i);
  Put(record, 80, std::string(32, 'N') + "past the name");
  Put(record, 1024, "100% hot\nline 2");
  PutFru(record, 0, "RPL", "1", "FAN0", "FAN_UNIT");
  PutFru(record, 1, "   ", "", "FAN1XXXX", "SYSTEM_BOARD_XYZ");
  for (std::size_t row = 2; row < 6; ++row) PutFru(record, row, "CHK", "2", "U" + std::to_string(row), "F");
  const std::string_view kDetail = R"(
+------------------------------+
| MARLOG (01/09/09 01:46:40)   |
+------------------------------+
- CALL FACTOR INFORMATION -
 Reason  : 5E01
 Impact  : H1

- RC INFORMATION -
 CONFIGURATION : 10 111213 14151617
 EVENT         : A0A1 A2 00CA9A3B A7A8 A9 AAAB ACADAEAF
 RC            : 30 3132 33 34353637 38393A3B
 RC NAME       : NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN
 COMMENT       : 
100% hot
line 2

- FRU INFORMATION -
+---+-------------------------------------------------------------------+
| 1 | UNIT         : FAN0               FRU MNEMONIC : FAN_UNIT         |
|   | ACTION       : RPL                WEIGHT       : 1                |
+---+-------------------------------------------------------------------+
| 2 | UNIT         : FAN1XXXX           FRU MNEMONIC : SYSTEM_BOARD_XYZ |
|   | ACTION       :  -                 WEIGHT       :  -               |
+---+-------------------------------------------------------------------+
| 3 | UNIT         : U2                 FRU MNEMONIC : F                |
|   | ACTION       : CHK                WEIGHT       : 2                |
+---+-------------------------------------------------------------------+
| 4 | UNIT         : U3                 FRU MNEMONIC : F                |
|   | ACTION       : CHK                WEIGHT       : 2                |
+---+-------------------------------------------------------------------+
| 5 | UNIT         : U4                 FRU MNEMONIC : F                |
|   | ACTION       : CHK                WEIGHT       : 2                |
+---+-------------------------------------------------------------------+

)";
  EXPECT_EQ(kDetail, Shown(record));
}

TEST(MarRecordTest, RowsEndAtTheFirstAllZeroRow) {
  Record record{};
  record[256 + 127] = 0x01;  // nothing but its last byte set: still a row
  PutFru(record, 2, "RPL", "1", "LOST", "LOST");
  EXPECT_TRUE(Shown(record).ends_with("WEIGHT       :  -               |\n" + std::string(kRule) + "\n"));
  EXPECT_EQ(std::string::npos, Shown(record).find("LOST"));
}

}  // namespace
}  // namespace rcv
