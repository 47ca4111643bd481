#include "dict/rc_text_lookup.h"

#include <gtest/gtest.h>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

class RcTextLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.WriteSetup();
    tree_.Activate();
    tree_.WriteFile(tree_.DictionaryDir() / "rcdicttbl.csv",
                    "RC-CODE,47\nSET,%RC-NAME,name\nCOMMENT,%UNIT,CPU0\nCOMMENT,%FRU,BOARD\n"
                    "SETLANG,$L\nCOMMENT,%MSG,lang {L}\n");
  }
  fixture::FixtureTree tree_;
};

TEST_F(RcTextLookupTest, TracedLookupPrintsTheTextAndTheFirstRow) {
  ScriptOutput output;
  testing::internal::CaptureStdout();
  EXPECT_EQ(1, LookupRcTraced("47 01 a0+b2\tc3d4e5f6\n", output));
  EXPECT_EQ("puszRc = [4701A0B2C3D4E5F6]\npuszRc = [16]\npuszRc = [CPU0]\npuszRc = [BOARD]\n",
            testing::internal::GetCapturedStdout());
  testing::internal::CaptureStdout();
  EXPECT_EQ(kRcTextTooShort, LookupRcTraced("4701", output));
  EXPECT_EQ("puszRc = [4701]\npuszRc = [4]\n", testing::internal::GetCapturedStdout());
}

TEST_F(RcTextLookupTest, CommentLookupTakesTheLanguage) {
  EXPECT_EQ("lang 2\n", GetRcComment("4701A0B2C3D4E5F6").value_or("<none>"));
  EXPECT_EQ("lang 1\n", GetRcComment("4701A0B2C3D4E5F6", "JP").value_or("<none>"));
  EXPECT_EQ("lang 2\n", GetRcComment("4701A0B2C3D4E5F6", "US").value_or("<none>"));
  EXPECT_EQ("lang 2\n", GetRcComment("4701A0B2C3D4E5F6", "jp").value_or("<none>"));
}

TEST_F(RcTextLookupTest, LookupWithCommentFillsAllThree) {
  ScriptOutput output;
  int result = 0;
  EXPECT_EQ("lang 2\n", LookupRcWithComment("4701a0b2c3d4e5f6", output, result).value_or("<none>"));
  EXPECT_EQ(1, result);
  EXPECT_EQ("name", output.rcName);
  EXPECT_FALSE(LookupRcWithComment("47", output, result).has_value());
  EXPECT_EQ(kRcTextTooShort, result);
  tree_.WriteFile(tree_.DictionaryDir() / "rcdicttbl.csv", "");
  std::filesystem::remove(tree_.DictionaryDir() / "rcdicttbl.csv");
  EXPECT_FALSE(GetRcComment("4701A0B2C3D4E5F6").has_value());
}

}  // namespace
}  // namespace rcv
