#include "shell/machine_identity.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

class MachineIdentityTest : public ::testing::Test {
 protected:
  void SetUp() override { tree_.Activate(); }

  // Loads the identity; returns the result and what was printed.
  std::pair<int, std::string> Load() {
    std::ostringstream out;
    const int result = LoadMachineIdentity(identity_, out);
    return {result, out.str()};
  }

  std::string Block() {
    std::ostringstream out;
    PrintIdentity(identity_, out);
    return out.str();
  }

  fixture::FixtureTree tree_;
  MachineIdentity identity_;
};

TEST_F(MachineIdentityTest, MissingOrEmptyNamesAreNotSet) {
  tree_.WriteSetup({.modelName = "", .modelCode = "", .productCode = ""});
  EXPECT_EQ(1, Load().first);
  EXPECT_EQ(
      "MODEL CODE : not set. / PRODUCT No. : not set.\n"
      "MODEL NAME : not set.\n"
      "MODEL FRU  : QX24MB01\n"
      "RC DICT    : rcdict/1.23\n"
      "\n",
      Block());
}

TEST_F(MachineIdentityTest, RevisionIsCutAfterItsFirstWord) {
  tree_.WriteSetup();
  for (const auto& [line, expected] :
       std::vector<std::pair<std::string, std::string>>{{"1.23 build\n", "1.23"},
                                                        {"  2.0\r\n", "  2.0"},
                                                        {" \r\n", " \r\n"},
                                                        {"4.5", "4.5"},
                                                        {std::string(300, '9'), std::string(127, '9')}}) {
    tree_.WriteFile(tree_.DictionaryDir() / "rcrev", line);
    EXPECT_EQ(1, Load().first);
    EXPECT_EQ(expected, identity_.rcRev);
  }
}

}  // namespace
}  // namespace rcv
