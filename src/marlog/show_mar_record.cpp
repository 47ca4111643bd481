#include "marlog/show_mar_record.h"

#include <array>
#include <cstdint>
#include <string>

#include "marlog/mar_file_path.h"
#include "marlog/mar_record.h"
#include "shell/failure_report.h"
#include "shell/file_block.h"

namespace rcv {

int ShowMarRecord(Screen& screen, const MarConfig& config, std::string_view dirNameField) {
  std::string path;
  if (!MarFilePath(screen.out(), config.marDir, dirNameField, path)) return -1;
  std::array<std::uint8_t, kMarRecordSize> record{};
  std::string reason;
  const int result = ReadFileBlock(path, record, &reason);
  if (result != kFileOk) {
    screen.out() << (result == kFileOpenFailed ? "MAR file open failed.\n" : "MAR file read failed.\n");
    ReportFileFailure(path, reason);
    return -1;
  }
  PrintMarRecord(record, screen.conversion, screen.out());
  return 1;
}

}  // namespace rcv
