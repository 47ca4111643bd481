#include "dict/source/script_field.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "dict/source/line_store.h"

namespace rcv {
namespace {

TEST(ScriptFieldTest, SplitsAtCommasOutsideQuotes) {
  using Fields = std::vector<std::string>;
  const std::pair<std::string, Fields> cases[] = {
      {"SET,%UNIT,\"A,B\",", {"SET", "%UNIT", "A,B", ""}},
      {"\"IFDEF\",$GH = 1F", {"IFDEF", "$GH = 1F"}},
      // a closing quote ends the field and the rest is ignored
      {"COMMENT,\"ab\"cd,next", {"COMMENT", "ab", "next"}},
      {"x,ab\"c,d\"e,f", {"x", "abc,d", "f"}},  // a quote inside a field opens a quoted part there
      // control bytes end unquoted fields but stay in quoted ones
      {"EXIT\r,a", {"EXIT", "a"}},
      {"SET,\"a\tb\r", {"SET", "a\tb\r"}},
      {"\x83\x41,b", {"\x83\x41", "b"}},
  };
  for (const auto& [line, expected] : cases) {
    Fields fields;
    unsigned flags = 0;
    for (std::size_t n = 0; n < expected.size(); ++n) fields.push_back(ReadScriptField(line, n, flags));
    EXPECT_EQ(expected, fields) << line;
    EXPECT_EQ(0u, flags) << line;
  }
}

TEST(ScriptFieldTest, MissingFieldsReadEmptyWithAFlag) {
  const std::tuple<std::string, std::size_t, unsigned> cases[] = {{"", 0, 0u},
                                                                  {"", 1, kLineEndsBeforeField},
                                                                  {"a,b", 2, kLineEndsBeforeField},
                                                                  {"ab", 5, kFieldBeyondLine},
                                                                  {"a,", 1, 0u}};
  for (const auto& [line, n, flag] : cases) {
    unsigned flags = 0;
    EXPECT_EQ("", ReadScriptField(line, n, flags));
    EXPECT_EQ(flag, flags) << line << n;
  }
}

}  // namespace
}  // namespace rcv
