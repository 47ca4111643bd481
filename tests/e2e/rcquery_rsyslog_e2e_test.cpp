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
#include <fstream>
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

std::string FindRsyslogd() {
  for (const char* path : {"/usr/sbin/rsyslogd", "/sbin/rsyslogd", "/usr/bin/rsyslogd"}) {
    if (::access(path, X_OK) == 0) return path;
  }
  return {};
}

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
  std::ifstream file(std::string(RCV_SOURCE_DIR) + "/contrib/" + snippet);
  std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  for (const auto& [from, to] : replacements) text = std::regex_replace(text, std::regex(from), to);
  fs::create_directories(workFolder);
  return "global(workDirectory=\"" + workFolder.string() + "\")\n" + text;
}

TEST(RcqueryRsyslogE2eTest, EveryEntryReachesTheCollectorAsIntactJsonExactlyOnce) {
  const std::string rsyslogd = FindRsyslogd();
  if (rsyslogd.empty()) GTEST_SKIP() << "rsyslogd is not installed (scripts/setup.sh installs rsyslog)";
  fixture::FixtureTree tree;
  tree.WriteSetup();
  RingWriter writer(tree);
  const fs::path root = tree.root();
  const int port = FreePort();
  ASSERT_GT(port, 0);
  const std::string entries = (root / "entries.jsonl").string();
  const std::string collected = (root / "collected.jsonl").string();
  tree.WriteFile("collector.conf",
                 Configuration("rsyslog-rcquery-collector.conf", root / "collector-work",
                               {{"6514", std::to_string(port)}, {"/var/log/rcquery/%hostname%.jsonl", collected}}));
  tree.WriteFile("forwarder.conf", Configuration("rsyslog-rcquery-forwarder.conf", root / "forwarder-work",
                                                 {{"6514", std::to_string(port)},
                                                  {"collector\\.example\\.net", "127.0.0.1"},
                                                  {"/var/log/rcquery/entries.jsonl", entries}}));
  const auto rsyslog = [&](const char* name) {
    const std::string conf = (root / (std::string(name) + ".conf")).string();
    const std::string pid = (root / (std::string(name) + ".pid")).string();
    const std::string log = (root / (std::string(name) + ".log")).string();
    return std::make_unique<BackgroundRun>(root.string(), rsyslogd,
                                           std::vector<std::string>{"-n", "-f", conf, "-i", pid}, log, log);
  };
  auto collector = rsyslog("collector");
  auto forwarder = rsyslog("forwarder");
  auto reader = std::make_unique<BackgroundRun>(root.string(), ProgramPath("rcquery"),
                                                std::vector<std::string>{"--json", "--follow", "all"}, entries,
                                                (root / "rcquery.err").string());
  for (std::uint32_t i = 0; i < kEntries; ++i) {
    if (i % 3 == 0) {
      writer.AppendSel();
    } else {
      writer.AppendRc();
    }
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
  const std::vector<std::string> received = FileLines(collected);
  ASSERT_EQ(kEntries, sent.size()) << tree.ReadFile("rcquery.err");
  ASSERT_EQ(sent.size(), received.size()) << tree.ReadFile("forwarder.log") << tree.ReadFile("collector.log");
  std::set<std::string> created;
  for (std::size_t i = 0; i < received.size(); ++i) {
    EXPECT_EQ(sent[i], received[i]);
    const nlohmann::json line = nlohmann::json::parse(received[i], nullptr, false);
    ASSERT_FALSE(line.is_discarded()) << received[i];
    created.insert(line["Created"].get<std::string>());
  }
  for (std::uint32_t serial = 1; serial <= kEntries; ++serial) EXPECT_TRUE(created.contains(FollowEntryTime(serial)));
}

}  // namespace
}  // namespace rcv::e2e
