#include "dict/dictionary.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace rcv {
namespace {

const std::string kPath = "/conf/rcdicttbl.csv";

std::unique_ptr<MemoryFiles> Tree(std::string_view name) {
  auto files = std::make_unique<MemoryFiles>();
  files->Put(kPath, "RC-CODE,GH\nGETRCMSG,%MSG,msg.txt,M1\nEXEC,next.csv\n");
  files->Put("/conf/next.csv", "SET,%RC-NAME," + std::string(name) + " {G}\n");
  files->Put("/conf/msg.txt", "/*SM1*/\n" + std::string(name) + " message\n");
  return files;
}

// Two dictionaries on different trees under the same paths share nothing:
// lookups taken in turn each see their own scripts, companion files,
// variables and diagnostics.
TEST(DictionaryTest, TwoDictionariesRunSideBySide) {
  std::ostringstream leftOut;
  std::ostringstream rightOut;
  Dictionary left(Tree("LEFT"), leftOut);
  Dictionary right(Tree("RIGHT"), rightOut);
  for (const std::string_view rc : {"4701001000000001", "5801001000000001"}) {
    std::string leftComment;
    std::string rightComment;
    ScriptOutput leftOutput;
    ScriptOutput rightOutput;
    EXPECT_EQ(kRunNotCollected, left.Run(rc, kPath, &leftOutput, &leftComment, RunComment).code());
    EXPECT_EQ(0, right.Run(rc, kPath, &rightOutput, &rightComment, RunFru).code());
    EXPECT_EQ("LEFT message\n", leftComment);
    EXPECT_EQ("RIGHT " + std::string(1, rc[0]), rightOutput.rcName);
  }
  RcInfo info;
  EXPECT_EQ(LookupOutcome::kFailed, left.LookUp("4701001000000001", kRcInfoRunMode, "/none.csv", info).outcome());
  EXPECT_EQ(LookupOutcome::kFound, right.LookUp("4701001000000001", kRcInfoRunMode, kPath, info).outcome());
  EXPECT_EQ("RIGHT 4", info.rcName);
  // The message section runs to the end of the file: each says so on its own stream.
  const std::string eof = "Ra_serch:GetRcMsg() Unexpected EOF in [/conf/msg.txt]\n";
  EXPECT_EQ(eof + eof, leftOut.str());
  EXPECT_EQ(eof + eof + eof, rightOut.str());
}

}  // namespace
}  // namespace rcv
