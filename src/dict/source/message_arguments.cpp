#include "dict/source/message_arguments.h"

#include "dict/source/companion_text.h"

namespace rcv {

int ReplaceArgMarker(std::string& line, int n, std::string_view text) {
  if (n < 1 || n > static_cast<int>(kMessageArgumentCount)) return -1;
  const char marker[] = {'%', static_cast<char>('0' + n), '\0'};
  const std::size_t at = line.find(marker);
  if (at == std::string::npos) return -1;
  line.replace(at, 2, text);
  return 0;
}

void FillArgMarkers(std::string& line, std::span<const std::string> arguments) {
  if (line.find('%') == std::string::npos) return;
  for (std::size_t k = 0; k < arguments.size() && k < kMessageArgumentCount; ++k) {
    if (arguments[k].empty()) break;
    ReplaceArgMarker(line, static_cast<int>(k + 1), arguments[k]);
    CutToLimit(line, kMessageLineMax);
  }
}

}  // namespace rcv
