#include "dict/expr/expression_token.h"

#include <algorithm>

#include "dict/expr/expression_value.h"

namespace rcv {
namespace {

constexpr std::string_view kOperatorChars = "#&*+-/<=>@|";

// Reads tokens from left to right; each reader starts at `pos_` on the
// token's first character and leaves `pos_` after its last.
class Tokenizer {
 public:
  explicit Tokenizer(std::string_view text) : text_(text) {}

  bool Run(TokenList& tokens) {
    tokens.clear();
    for (;;) {
      while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
      // Filling the last slot fails the expression even when nothing
      // follows: that slot must stay empty to end the list.
      if (tokens.size() == kTokenSlots) return false;
      if (pos_ >= text_.size()) return true;
      std::string token = Next();
      if (!token.empty()) tokens.push_back(std::move(token));
    }
  }

 private:
  std::string Next() {
    const char c = text_[pos_];
    if (kOperatorChars.find(c) != std::string_view::npos) return Take(1);
    if (c == '$' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '_') {
      return Take(std::min<std::size_t>(3, text_.size() - pos_));
    }
    if (c == '$') return Grouped(1 + RunLength(pos_ + 1, IsLetterOrDigit));
    if (c == '%') return Take(1 + RunLength(pos_ + 1, IsLetterOrDigit));
    if (IsOperandChar(c)) return Grouped(RunLength(pos_, IsOperandChar));
    ++pos_;  // starts no token
    return {};
  }

  std::size_t RunLength(std::size_t from, bool (*belongs)(char)) const {
    std::size_t end = from;
    while (end < text_.size() && belongs(text_[end])) ++end;
    return end - from;
  }

  // The run of `length` characters and, when "(" follows, everything through
  // the next ")" or the end of the text.
  std::string Grouped(std::size_t length) {
    std::size_t end = pos_ + length;
    if (end < text_.size() && text_[end] == '(') {
      const std::size_t close = text_.find(')', end);
      end = close == std::string_view::npos ? text_.size() : close + 1;
    }
    return Take(end - pos_);
  }

  // Consumes `length` characters; the token keeps at most kValueTextMax.
  std::string Take(std::size_t length) {
    std::string token(text_.substr(pos_, std::min(length, kValueTextMax)));
    pos_ += length;
    return token;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

bool TokenizeExpression(std::string_view text, TokenList& tokens) { return Tokenizer(text).Run(tokens); }

}  // namespace rcv
