// The road of a fleet's logs, end to end: rcquery --follow writes JSON
// Lines to a file, an rsyslog forwarder reads it (imfile) and sends each
// line over TCP as an RFC 5424 message, an rsyslog collector writes what
// it receives to a file. Both run unprivileged from the configuration
// snippets of contrib/, with their own ports, pid files and work folders.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <nlohmann/json.hpp>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <regex>
#include <set>
#include <thread>

#include "base/unique_fd.h"
#include "follow_support.h"
#include "run_viewer.h"

namespace rcv::e2e {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kEntries = 40;
constexpr const char* kRsyslogd = "/usr/sbin/rsyslogd";

// A loopback port that nobody listens on just now.
int FreePort() {
  const UniqueFd fd(::socket(AF_INET, SOCK_STREAM, 0));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (::bind(fd.get(), reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      ::getsockname(fd.get(), reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    return -1;
  }
  return ntohs(address.sin_port);
}

// A contrib snippet with the machine's paths and port replaced by the
// test's, behind a work folder of its own.
std::string Configuration(const std::string& snippet, const fs::path& workFolder,
                          const std::vector<std::pair<std::string, std::string>>& replacements) {
  std::string text = fixture::ReadWholeFile(std::string(RCV_SOURCE_DIR) + "/contrib/" + snippet);
  for (const auto& [from, to] : replacements) text = std::regex_replace(text, std::regex(from), to);
  fs::create_directories(workFolder);
  return "global(workDirectory=\"" + workFolder.string() + "\")\n" + text;
}

TEST(RcqueryRsyslogE2eTest, EveryEntryReachesTheCollectorAsIntactJsonExactlyOnce) {
  if (::access(kRsyslogd, X_OK) != 0) GTEST_SKIP() << "rsyslogd is not installed (scripts/setup.sh installs rsyslog)";
  fixture::FixtureTree tree;
  tree.WriteSetup();
  RingWriter writer(tree);
  const fs::path root = tree.root();
  const auto at = [&root](const std::string& name) { return (root / name).string(); };
  const int port = FreePort();
  ASSERT_GT(port, 0);
  const std::string entries = at("entries.jsonl");
  const std::string collected = at("collected.jsonl");
  tree.WriteFile("collector.conf",
                 Configuration("rsyslog-rcquery-collector.conf", root / "collector-work",
                               {{"6514", std::to_string(port)}, {"/var/log/rcquery/%hostname%.jsonl", collected}}));
  tree.WriteFile("forwarder.conf", Configuration("rsyslog-rcquery-forwarder.conf", root / "forwarder-work",
                                                 {{"6514", std::to_string(port)},
                                                  {"collector\\.example\\.net", "127.0.0.1"},
                                                  {"/var/log/rcquery/entries.jsonl", entries}}));
  const auto rsyslog = [&](const std::string& name) {
    return std::make_unique<BackgroundRun>(
        root.string(), kRsyslogd, std::vector<std::string>{"-n", "-f", at(name + ".conf"), "-i", at(name + ".pid")},
        at(name + ".log"), at(name + ".log"));
  };
  auto collector = rsyslog("collector");
  auto forwarder = rsyslog("forwarder");
  auto reader = std::make_unique<BackgroundRun>(root.string(), ProgramPath("rcquery"),
                                                std::vector<std::string>{"--json", "--follow", "all"}, entries,
                                                at("rcquery.err"));
  for (std::uint32_t i = 0; i < kEntries; ++i) {
    i % 3 == 0 ? writer.AppendSel() : writer.AppendRc();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  for (int tries = 0; tries < 400 && FileLines(collected).size() < kEntries; ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  // Time for a duplicate to show, were one coming.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  for (auto* run : {reader.get(), forwarder.get(), collector.get()}) run->Signal(SIGTERM);
  EXPECT_EQ(0, reader->Wait());

  const std::vector<std::string> sent = FileLines(entries);
  ASSERT_EQ(kEntries, sent.size()) << tree.ReadFile("rcquery.err");
  ASSERT_EQ(sent, FileLines(collected)) << tree.ReadFile("forwarder.log") << tree.ReadFile("collector.log");
  std::set<std::string> created;
  for (const nlohmann::json& line : JsonLines(tree.ReadFile(entries)))
    created.insert(line["Created"].get<std::string>());
  for (std::uint32_t serial = 1; serial <= kEntries; ++serial) EXPECT_TRUE(created.contains(FollowEntryTime(serial)));
}

}  // namespace
}  // namespace rcv::e2e
