#include "shell/text_conversion.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace rcv {

void TextConversion::Open(const char* lang) {
  if (IsOpen() || lang == nullptr) return;
  const std::string_view value = lang;
  const std::size_t dot = value.find('.');
  const std::string codeSet(dot == std::string_view::npos ? value : value.substr(dot + 1));
  if (codeSet.empty()) return;
  handle_ = iconv_open(codeSet.c_str(), std::string(kDictionaryCodeSet).c_str());
}

void TextConversion::Close() {
  if (!IsOpen()) return;
  iconv_close(handle_);
  handle_ = NoHandle();
}

void TextConversion::ConvertText(std::string_view text, std::ostream& out) const {
  if (!IsOpen()) {
    out << text;
    return;
  }
  iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // start from the initial state
  std::string input(text);
  char* in = input.data();
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char pass[kConversionPassSize] = {};
    char* outPos = pass;
    std::size_t outLeft = sizeof pass - 1;
    const std::size_t result = iconv(handle_, &in, &inLeft, &outPos, &outLeft);
    const int error = errno;
    if (result == static_cast<std::size_t>(-1) && error != E2BIG) {
      out << "(ERROR: iconv failed. (" << std::strerror(error) << "))";
      return;
    }
    // A pass that neither read nor wrote anything would never end.
    if (outPos == pass) return;
    out.write(pass, outPos - pass);
  }
}

}  // namespace rcv
