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

TEST(InputLineTest, BackspaceOnAnEmptyLineShowsNothing) {
  const Typed typed = TypeLine("\b\b\x7Fx\n");
  EXPECT_EQ("x", typed.result);
  EXPECT_EQ("\n", typed.shown);
}

TEST(InputLineTest, EscapeSequencesLeaveNoTrace) {
  EXPECT_EQ("dr", TypeLine("d\x1B[Ar\n").result);
  EXPECT_EQ("dr", TypeLine("d\x1B[2~r\n").result);
  EXPECT_EQ("dr", TypeLine("d\x1B[15~r\n").result);
}

TEST(InputLineTest, ControlAndNonAsciiBytesAreDropped) {
  EXPECT_EQ("dr", TypeLine("d\r\tr\r\n").result);
  // clang-format off
  EXPECT_EQ("ab", TypeLine("a\xE3\x81\x82" "b\n").result);
  // clang-format on
}

TEST(InputLineTest, CharactersBeyondTheBufferMustBeErasedBeforeTypingShowsAgain) {
  const std::string typed = std::string(2000, 'x');
  EXPECT_EQ(std::string(1023, 'x'), TypeLine(typed + std::string(977, '\b') + "y\n").result);
  EXPECT_EQ(std::string(1022, 'x') + "y", TypeLine(typed + std::string(978, '\b') + "y\n").result);
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
