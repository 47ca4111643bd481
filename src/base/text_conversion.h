// Dictionary text is stored in Shift-JIS; it is printed in the terminal's
// code set, named by LANG, through one conversion opened for the whole run.
#pragma once

#include <iconv.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace rcv {

inline constexpr std::string_view kDictionaryCodeSet = "SJIS";
// Each conversion pass writes at most this many bytes less one.
inline constexpr std::size_t kConversionPassSize = 256;

class TextConversion {
 public:
  TextConversion() = default;
  ~TextConversion() { Close(); }
  TextConversion(const TextConversion&) = delete;
  TextConversion& operator=(const TextConversion&) = delete;

  // Opens the conversion to the code set after the first "." of `lang` (or
  // all of it); stays without one when lang is null, the name is empty or
  // the system doesn't know it. Does nothing when one is open already.
  void Open(const char* lang);
  void Close();
  bool IsOpen() const { return handle_ != NoHandle(); }

  // Writes the text to `out`, converted when a conversion is open.
  void ConvertText(std::string_view text, std::ostream& out) const;

 private:
  static iconv_t NoHandle() { return reinterpret_cast<iconv_t>(-1); }
  iconv_t handle_ = NoHandle();
};

// What becomes of a byte that starts no valid Shift-JIS character.
enum class Unconvertible {
  kReplace,  // U+FFFD: the text reads well, the byte is lost
  kEscape,   // "\xNN" with the byte's two upper-case hexadecimal digits
};

// Dictionary text (Shift-JIS) as UTF-8, for output that must be UTF-8
// whatever the terminal.
std::string ShiftJisToUtf8(std::string_view text, Unconvertible unconvertible = Unconvertible::kReplace);

}  // namespace rcv
