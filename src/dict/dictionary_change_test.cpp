// One dictionary kept by a process sees every change made to its files
// between two lookups, as a dictionary made afresh does: when inotify tells
// it of changes and when it looks at each file once a lookup instead.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "base/unique_fd.h"
#include "dict/dictionary.h"
#include "fixture/fixture_tree.h"

namespace rcv {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRc = "4701001000000001";
constexpr std::string_view kTop = "RC-CODE,GHIJKLMNOPQRSTUV\nGETRCMSG,%MSG,msg.txt,M1\nEXEC,next.csv\n";
// 16 bytes, so that the name after it begins at a block of the hash.
const std::string kNameLead = "SET,%RC-NAME,XXX";
// Two names whose lines hash alike with libstdc++'s std::hash: the twin's
// two 8-byte blocks are the first's with the top bit of their mixed value
// flipped, which the multiplication between blocks carries through
// unchanged and the second block takes out again.
const std::string kName = "Lz7yzb6LyWwG=zyH";
const std::string kTwin = "Lzz_\xdf|\x8e\xbdyW4a\xd8_!\xd7";

// The dictionary in a folder with capitals, as installs have them, so that
// both spellings of every name are tried.
class DictionaryTree {
 public:
  DictionaryTree() {
    Write("rcdicttbl.csv", kTop);
    Write("next.csv", kNameLead + kName + "\n");
    Write("msg.txt", "/*SM1*/\nfirst message\n/*E*/\n");
  }
  std::string Path(const std::string& name) const { return (tree_.root() / "Dict" / name).string(); }
  void Write(const std::string& name, std::string_view text) const { tree_.WriteFile("Dict/" + name, text); }
  void WriteByRename(const std::string& name, std::string_view text) const {
    Write(".new", text);
    fs::rename(Path(".new"), Path(name));
  }

 private:
  fixture::FixtureTree tree_;
};

std::string LookUp(Dictionary& dictionary, const DictionaryTree& tree) {
  ScriptOutput output;
  std::string comment;
  const int code = dictionary.Run(kRc, tree.Path("rcdicttbl.csv"), &output, &comment, RunFru | RunComment).code();
  return std::to_string(code) + "|" + output.rcName + "|" + comment;
}

struct ChangeCase {
  std::string_view what;
  std::function<void(const DictionaryTree&)> before;
  std::function<void(const DictionaryTree&)> change;
};

const ChangeCase kCases[] = {
    {"rewritten within the same second", nullptr,
     [](const DictionaryTree& tree) { tree.Write("next.csv", kNameLead + "a longer name than before\n"); }},
    {"rewritten to the same size", nullptr,
     [](const DictionaryTree& tree) { tree.Write("next.csv", kNameLead + std::string(kName.size(), 'Z') + "\n"); }},
    {"rewritten to the same std::hash", nullptr,
     [](const DictionaryTree& tree) { tree.Write("next.csv", kNameLead + kTwin + "\n"); }},
    {"removed by rename", nullptr,
     [](const DictionaryTree& tree) { fs::rename(tree.Path("next.csv"), tree.Path("gone.csv")); }},
    {"created by rename", [](const DictionaryTree& tree) { fs::remove(tree.Path("next.csv")); },
     [](const DictionaryTree& tree) { tree.WriteByRename("next.csv", kNameLead + "created\n"); }},
    {"replaced by rename", nullptr,
     [](const DictionaryTree& tree) { tree.WriteByRename("next.csv", kNameLead + "replaced\n"); }},
    {"created in a folder made later",
     [](const DictionaryTree& tree) {
       std::string top(kTop);
       tree.Write("rcdicttbl.csv", top.replace(top.find("next"), 4, "sub/next"));
     },
     [](const DictionaryTree& tree) { tree.Write("sub/next.csv", kNameLead + "in sub\n"); }},
    {"companion file rewritten", nullptr,
     [](const DictionaryTree& tree) { tree.Write("msg.txt", "/*SM1*/\nother message\n/*E*/\n"); }},
    {"rewritten behind a symbolic link",
     [](const DictionaryTree& tree) {
       tree.Write("real/next.csv", kNameLead + "through a link\n");
       fs::remove(tree.Path("next.csv"));
       fs::create_symlink("real/next.csv", tree.Path("next.csv"));
     },
     [](const DictionaryTree& tree) { tree.Write("real/next.csv", kNameLead + "link target rewritten\n"); }},
    {"created behind a symbolic link",
     [](const DictionaryTree& tree) {
       fs::remove(tree.Path("next.csv"));
       fs::create_symlink("real/next.csv", tree.Path("next.csv"));
     },
     [](const DictionaryTree& tree) { tree.Write("real/next.csv", kNameLead + "link target created\n"); }},
};

constexpr DiskFiles::Changes kModes[] = {DiskFiles::Changes::kNotified, DiskFiles::Changes::kPolled};

TEST(DictionaryChangeTest, TheNamesCollideInTheHash) {
  const std::hash<std::string_view> hash;
  EXPECT_EQ(hash(kNameLead + kName + "\n"), hash(kNameLead + kTwin + "\n"));
}

TEST(DictionaryChangeTest, EveryChangeBetweenTwoLookupsIsSeenByTheSecond) {
  std::ostringstream diagnostics;
  for (const DiskFiles::Changes changes : kModes) {
    for (const ChangeCase& c : kCases) {
      SCOPED_TRACE(std::string(c.what) + (changes == DiskFiles::Changes::kNotified ? ", notified" : ", polled"));
      const DictionaryTree tree;
      if (c.before) c.before(tree);
      Dictionary kept(std::make_unique<DiskFiles>(changes), diagnostics);
      const std::string before = LookUp(kept, tree);
      EXPECT_EQ(before, LookUp(kept, tree));
      c.change(tree);
      Dictionary fresh(std::make_unique<DiskFiles>(changes), diagnostics);
      const std::string expected = LookUp(fresh, tree);
      EXPECT_NE(before, expected);
      EXPECT_EQ(expected, LookUp(kept, tree));
    }
  }
}

// The documented limit: a write through a shared memory mapping raises no
// event, and after the first write to a page changes no time stamp either;
// only reading every file at every lookup would see it. Dictionaries are
// edited by writing files, so a dictionary told of changes by inotify keeps
// what it read. (The fallback, which reads a recent file again at each
// lookup, happens to see this one.)
TEST(DictionaryChangeTest, WriteThroughASharedMappingIsNotSeen) {
  const DictionaryTree tree;
  std::ostringstream diagnostics;
  Dictionary kept(std::make_unique<DiskFiles>(DiskFiles::Changes::kNotified), diagnostics);
  const std::string before = LookUp(kept, tree);
  const UniqueFd fd(::open(tree.Path("next.csv").c_str(), O_RDWR | O_CLOEXEC));
  const std::size_t size = kNameLead.size() + kName.size();
  void* mapped = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd.get(), 0);
  ASSERT_NE(MAP_FAILED, mapped);
  std::memset(static_cast<char*>(mapped) + kNameLead.size(), 'M', kName.size());
  ::munmap(mapped, size);
  Dictionary fresh(std::make_unique<DiskFiles>(DiskFiles::Changes::kNotified), diagnostics);
  EXPECT_NE(before, LookUp(fresh, tree));
  EXPECT_EQ(before, LookUp(kept, tree));
}

}  // namespace
}  // namespace rcv
