#include "dict/script_field.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dict/line_store.h"

namespace rcv {
namespace {

std::vector<std::string> Fields(std::string_view line, std::size_t count) {
  std::vector<std::string> fields;
  unsigned flags = 0;
  for (std::size_t n = 0; n < count; ++n) fields.push_back(ReadScriptField(line, n, flags));
  return fields;
}

TEST(ScriptFieldTest, SplitsAtCommasOutsideQuotes) {
  EXPECT_EQ((std::vector<std::string>{"SET", "%UNIT", "A,B", ""}),
            Fields("SET,%UNIT,\"A,B\",", 4));
  EXPECT_EQ((std::vector<std::string>{"IFDEF", "$GH = 1F"}), Fields("\"IFDEF\",$GH = 1F", 2));
}

TEST(ScriptFieldTest, ClosingQuoteEndsTheFieldAndTheRestIsIgnored) {
  EXPECT_EQ((std::vector<std::string>{"COMMENT", "ab", "next"}),
            Fields("COMMENT,\"ab\"cd,next", 3));
  // a quote inside a field opens a quoted part there
  EXPECT_EQ((std::vector<std::string>{"x", "abc,d", "f"}), Fields("x,ab\"c,d\"e,f", 3));
}

TEST(ScriptFieldTest, ControlBytesEndUnquotedFieldsButStayInQuotedOnes) {
  EXPECT_EQ((std::vector<std::string>{"EXIT", "a"}), Fields("EXIT\r,a", 2));
  EXPECT_EQ((std::vector<std::string>{"SET", "a\tb\r"}), Fields("SET,\"a\tb\r", 2));
  EXPECT_EQ((std::vector<std::string>{"\x83\x41", "b"}), Fields("\x83\x41,b", 2));
}

TEST(ScriptFieldTest, MissingFieldsReadEmptyWithAFlag) {
  unsigned flags = 0;
  EXPECT_EQ("", ReadScriptField("", 0, flags));
  EXPECT_EQ(0u, flags);
  EXPECT_EQ("", ReadScriptField("", 1, flags));
  EXPECT_EQ(kLineEndsBeforeField, flags);
  flags = 0;
  EXPECT_EQ("", ReadScriptField("a,b", 2, flags));
  EXPECT_EQ(kLineEndsBeforeField, flags);
  flags = 0;
  EXPECT_EQ("", ReadScriptField("ab", 5, flags));
  EXPECT_EQ(kFieldBeyondLine, flags);
  flags = 0;
  EXPECT_EQ("", ReadScriptField("a,", 1, flags));
  EXPECT_EQ(0u, flags);
}

}  // namespace
}  // namespace rcv
