// rcquery bundle on the demo machine: the bundle verifies, a changed byte
// fails the check, its sel.raw reads in ipmitool as the same events as
// rcquery sel, and a missing log is listed as missing.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>

#include "fixture/demo_tree.h"
#include "fixture/fixture_tree.h"
#include "fixture/ipmitool_peer.h"
#include "fixture/marlog_writer.h"
#include "run_viewer.h"

namespace rcv::e2e {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

class RcqueryBundleE2eTest : public ProgramTest {
 protected:
  RcqueryBundleE2eTest() : ProgramTest("rcquery") {}
  void SetUp() override { fixture::WriteDemoTree(tree_.root()); }
  std::string Bundle() const { return (tree_.root() / "bundle").string(); }
  std::string BundleFile(const char* name) const { return tree_.ReadFile(fs::path(Bundle()) / name); }
};

TEST_F(RcqueryBundleE2eTest, ABundleOfTheDemoVerifiesAndAChangedByteFailsTheCheck) {
  ASSERT_EQ((ViewerRun{Bundle() + ": bundle written\n", "", 0}), Run({"bundle", Bundle()}));
  EXPECT_EQ(tree_.ReadFile(tree_.VrkLogDir() / "rc.log"), BundleFile("rc.log"));
  EXPECT_EQ(Run({"--json", "all"}).screen, BundleFile("timeline.jsonl"));
  const Json manifest = Json::parse(BundleFile("manifest.json"));
  EXPECT_EQ("QX-2400 Enterprise", manifest["Identity"]["ModelName"]);
  EXPECT_EQ(Json::array(), manifest["Missing"]);

  const ViewerRun check = Run({"bundle", "--check", Bundle()});
  EXPECT_EQ(0, check.exitStatus) << check.errors;

  std::string log = BundleFile("rc.log");
  log[100] = static_cast<char>(log[100] ^ 0x01);
  tree_.WriteFile(fs::path(Bundle()) / "rc.log", log);
  const ViewerRun changed = Run({"bundle", "--check", Bundle()});
  EXPECT_EQ(1, changed.exitStatus);
  EXPECT_NE(std::string::npos, changed.errors.find(Bundle() + "/rc.log: SHA-256 differs from the manifest"))
      << changed.errors;

  const ViewerRun again = Run({"bundle", Bundle()});
  EXPECT_EQ(1, again.exitStatus);
  EXPECT_NE(std::string::npos, again.errors.find("exists already")) << again.errors;
  const std::string nowhere = Bundle() + "-none/bundle";
  EXPECT_EQ(
      (ViewerRun{
          "", "rcquery: bundle not written: can't create a folder beside " + nowhere + ": No such file or directory\n",
          1}),
      Run({"bundle", nowhere}));
}

TEST_F(RcqueryBundleE2eTest, SelRawReadsInIpmitoolAsTheSameEventsAsRcquerySel) {
  if (!fixture::IpmitoolInstalled()) GTEST_SKIP() << "ipmitool is not installed (scripts/setup.sh installs it)";
  ASSERT_EQ(0, Run({"bundle", Bundle()}).exitStatus);
  std::vector<unsigned long> ours;
  std::vector<unsigned long> theirs;
  for (const Json& line : JsonLines(Run({"--json", "sel"}).screen)) ours.push_back(line["RecordId"]);
  std::istringstream peer(fixture::IpmitoolReadRaw(fs::path(Bundle()) / "sel.raw", tree_.root()));
  // ipmitool's first column is the record ID in hexadecimal.
  for (std::string line; std::getline(peer, line);)
    theirs.push_back(std::stoul(line.substr(0, line.find(',')), nullptr, 16));
  ASSERT_FALSE(ours.empty());
  EXPECT_EQ(ours, theirs);
  EXPECT_EQ(ours.size() * 16, fs::file_size(fs::path(Bundle()) / "sel.raw"));
}

// What can't be had is listed with its reason, and the rest of the bundle
// is written and verifies. The programs' own runs say a missing setup file
// once a run, under their own name.
TEST_F(RcqueryBundleE2eTest, WhatIsMissingIsListedWithItsReasonAndTheRestIsWritten) {
  const fs::path setup = tree_.MainteData() / "vrk_setup.conf";
  const std::string selLog = (tree_.VrkLogDir() / "sel.log").string();
  const std::pair<fs::path, std::vector<std::pair<std::string, std::string>>> cases[] = {
      {selLog, {{"sel.log", selLog + ": no such file"}, {"sel.raw", selLog + ": no such file"}}},
      {fixture::MarDir(tree_), {{"mar", fixture::MarDir(tree_).string() + "/: No such file or directory"}}},
      {setup, {{"mar", "Getting MAR stack num failed."}, {"identity.txt", "Getting RC table path failed."}}},
  };
  for (const auto& [removed, missing] : cases) {
    fixture::WriteDemoTree(tree_.root());
    fs::remove_all(removed);
    fs::remove_all(Bundle());
    EXPECT_EQ(1, Run({"bundle", Bundle()}).exitStatus) << removed;
    Json expected = Json::array();
    for (const auto& [path, reason] : missing) expected.push_back({{"Path", path}, {"Reason", reason}});
    EXPECT_EQ(expected, Json::parse(BundleFile("manifest.json"))["Missing"]) << removed;
    EXPECT_EQ(0, Run({"bundle", "--check", Bundle()}).exitStatus) << removed;
  }
  EXPECT_EQ("Getting RC table path failed.\n", Run({"rc"}).errors);
  EXPECT_EQ("rcquery: " + setup.string() + ": No such file or directory\nrcquery: mar: Getting MAR stack num failed.\n",
            Run({"mar"}).errors);
}

}  // namespace
}  // namespace rcv::e2e
