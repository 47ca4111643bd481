#include "dict/rc_lookup.h"

#include <cctype>

#include "dict/dictionary.h"

namespace rcv {

std::string& GetRcTablePath(std::string& path) { return ProcessDictionary().TablePath(path); }

int NormalizeRcText(std::string& rcText) {
  std::string normalized;
  for (const char c : rcText) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isspace(byte) || c == '+') continue;
    normalized.push_back(static_cast<char>(std::toupper(byte)));
  }
  rcText = std::move(normalized);
  return 0;
}

int GetRcInfo(std::span<const std::uint8_t, kRcKeySize> rc, RcInfo& info, std::string& path) {
  return ProcessDictionary().LookUpInTable(FormatRcKey(rc), kRcInfoRunMode, path, info).code();
}

int LookUpRcText(std::string_view rcText, RunMode mode, const std::string& path, RcInfo& info) {
  return ProcessDictionary().LookUp(rcText, mode, path, info).code();
}

void SetDictionaryDiagnostics(std::ostream& out) { ProcessDictionary().SetDiagnostics(out); }

void SetDictionaryProblemSink(std::ostream* sink) { ProcessDictionary().SetProblemSink(sink); }

int GetRcInfo(std::span<const std::uint8_t, kRcKeySize> rc, RcInfo& info) {
  std::string path;
  return GetRcInfo(rc, info, path);
}

}  // namespace rcv
