#include "marlog/show_mar_record.h"

#include <array>
#include <cstdint>
#include <string>

#include "marlog/mar_file_path.h"
#include "marlog/mar_record.h"
#include "shell/file_block.h"

namespace rcv {

int ShowMarRecord(Screen& screen, const MarConfig& config, std::string_view dirNameField) {
  std::string path;
  if (!MarFilePath(screen.out(), config.marDir, dirNameField, path)) return -1;
  std::array<std::uint8_t, kMarRecordSize> record{};
  const int result = ReadFileBlock(path, record);
  if (result == kFileOpenFailed) {
    screen.out() << "MAR file open failed.\n";
    return -1;
  }
  if (result != kFileOk) {
    screen.out() << "MAR file read failed.\n";
    return -1;
  }
  PrintMarRecord(record, screen.conversion, screen.out());
  return 1;
}

}  // namespace rcv
