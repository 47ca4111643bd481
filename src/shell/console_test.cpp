#include "shell/console.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rcv {
namespace {

struct Typed {
  std::string result;
  std::string shown;
  bool gotLine = false;
};

Typed TypeLine(const std::string& keys, std::size_t size = kInputLineBufferSize) {
  std::istringstream in(keys);
  std::ostringstream out;
  Console console(in, out);
  Typed typed{"<untouched>", "", false};
  typed.gotLine = InputLine(console, typed.result, size);
  typed.shown = out.str();
  return typed;
}

// Backspace on an empty line shows nothing; escape sequences, control and
// non-ASCII bytes leave no trace; characters beyond the buffer must be erased
// before typing shows again.
TEST(InputLineTest, KeysToLine) {
  const std::string overflow(2000, 'x');
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"\b\b\x7Fx\n", "x"}, {"d\x1B[Ar\n", "dr"}, {"d\x1B[2~r\n", "dr"}, {"d\x1B[15~r\n", "dr"},
      {"d\r\tr\r\n", "dr"}, {"a\xE3\x81\x82" "b\n", "ab"},
      {overflow + std::string(977, '\b') + "y\n", std::string(1023, 'x')},
      {overflow + std::string(978, '\b') + "y\n", std::string(1022, 'x') + "y"},
  };
  // clang-format on
  for (const auto& [keys, line] : cases) EXPECT_EQ(line, TypeLine(keys).result) << keys.substr(0, 20);
  EXPECT_EQ("\n", TypeLine("\b\b\x7Fx\n").shown);
}

TEST(InputLineTest, EndOfInputLeavesTheDestinationUntouched) {
  for (const std::string keys : {"", "abc", "ab\x1B", "ab\x1B["}) {
    const Typed typed = TypeLine(keys);
    EXPECT_FALSE(typed.gotLine) << keys;
    EXPECT_EQ("<untouched>", typed.result) << keys;
  }
}

TEST(WaitEnterKeyTest, ReturnsAtLineFeedOrEndOfInput) {
  std::istringstream in("junk\nnext");
  std::ostringstream out;
  Console console(in, out);
  WaitEnterKey(console);
  EXPECT_EQ("PRESS ENTER KEY\n", out.str());
  EXPECT_EQ('n', console.GetChar());
  WaitEnterKey(console);
  EXPECT_TRUE(console.AtEnd());
}

}  // namespace
}  // namespace rcv
