#include "base/text_conversion.h"

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

namespace {

// One conversion from Shift-JIS to UTF-8, closed when it goes.
class Utf8Conversion {
 public:
  Utf8Conversion() : handle_(iconv_open("UTF-8", std::string(kDictionaryCodeSet).c_str())) {}
  ~Utf8Conversion() {
    if (IsOpen()) iconv_close(handle_);
  }
  Utf8Conversion(const Utf8Conversion&) = delete;
  Utf8Conversion& operator=(const Utf8Conversion&) = delete;
  bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

void AppendUnconvertible(std::string& text, char byte, Unconvertible unconvertible) {
  if (unconvertible == Unconvertible::kReplace) {
    text += kReplacementCharacter;
    return;
  }
  constexpr std::string_view kHexDigits = "0123456789ABCDEF";
  const auto value = static_cast<unsigned char>(byte);
  text += "\\x";
  text += kHexDigits[value >> 4];
  text += kHexDigits[value & 0x0F];
}

}  // namespace

std::string ShiftJisToUtf8(std::string_view text, Unconvertible unconvertible) {
  static const Utf8Conversion conversion;
  std::string converted;
  if (!conversion.IsOpen()) {
    // Without the conversion only ASCII can be trusted.
    for (const char c : text) {
      if (static_cast<unsigned char>(c) < 0x80) {
        converted += c;
      } else {
        AppendUnconvertible(converted, c, unconvertible);
      }
    }
    return converted;
  }
  iconv(conversion.get(), nullptr, nullptr, nullptr, nullptr);
  std::string input(text);
  char* in = input.data();
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char pass[kConversionPassSize];
    char* outPos = pass;
    std::size_t outLeft = sizeof pass;
    const std::size_t result = iconv(conversion.get(), &in, &inLeft, &outPos, &outLeft);
    const int error = errno;
    converted.append(pass, static_cast<std::size_t>(outPos - pass));
    if (result != static_cast<std::size_t>(-1) || error == E2BIG) continue;
    // An invalid or cut-off sequence: one byte is replaced or escaped, and
    // the rest converts from the initial state.
    AppendUnconvertible(converted, *in, unconvertible);
    ++in;
    --inLeft;
    iconv(conversion.get(), nullptr, nullptr, nullptr, nullptr);
  }
  return converted;
}

}  // namespace rcv
