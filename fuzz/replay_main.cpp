// Runs a fuzzer without libFuzzer, so that the normal build and its test
// suite (plain and under the sanitizers) exercise every fuzz target: each
// seed of a folder once, then a fixed number of random mutations of them,
// from a fixed seed so that every run tries the same inputs.
//   <fuzzer>_replay SEED-DIR MUTATIONS INPUT-FILE
// Each input is written to INPUT-FILE before it runs, so that the one that
// crashed or hung the fuzzer is left there; a run that ends well removes it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;

constexpr std::mt19937::result_type kRandomSeed = 20240611;
constexpr std::size_t kMaxEditsPerMutation = 4;
constexpr std::size_t kMaxInsertedBytes = 8;

std::vector<Bytes> ReadSeeds(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
  // Sorted, because the directory's order is not the same on every disk.
  std::ranges::sort(files);
  std::vector<Bytes> seeds;
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return seeds;
}

class Mutator {
 public:
  explicit Mutator(const std::vector<Bytes>& seeds) : seeds_(seeds), random_(kRandomSeed) {}

  // A seed after one to a few edits.
  Bytes Next() {
    Bytes input = Pick();
    const std::size_t edits = Below(kMaxEditsPerMutation) + 1;
    for (std::size_t i = 0; i < edits; ++i) Edit(input);
    return input;
  }

 private:
  std::size_t Below(std::size_t bound) { return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_); }
  std::uint8_t Byte() { return static_cast<std::uint8_t>(Below(256)); }
  const Bytes& Pick() { return seeds_[Below(seeds_.size())]; }

  void Edit(Bytes& input) {
    const auto at = [&](std::size_t size) { return static_cast<std::ptrdiff_t>(Below(size + 1)); };
    switch (Below(4)) {
      case 0:  // a bit flipped
        if (!input.empty()) input[Below(input.size())] ^= static_cast<std::uint8_t>(1U << Below(8));
        break;
      case 1:  // cut short
        input.resize(Below(input.size() + 1));
        break;
      case 2: {  // random bytes inserted
        Bytes inserted(Below(kMaxInsertedBytes) + 1);
        for (std::uint8_t& byte : inserted) byte = Byte();
        input.insert(input.begin() + at(input.size()), inserted.begin(), inserted.end());
        break;
      }
      default: {  // the head of this input, the tail of another seed
        const Bytes& other = Pick();
        input.resize(static_cast<std::size_t>(at(input.size())));
        input.insert(input.end(), other.begin() + at(other.size()), other.end());
      }
    }
  }

  const std::vector<Bytes>& seeds_;
  std::mt19937 random_;
};

void Run(const Bytes& input, const fs::path& inputFile) {
  std::ofstream(inputFile, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
  LLVMFuzzerTestOneInput(input.data(), input.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s SEED-DIR MUTATIONS INPUT-FILE\n", argv[0]);
    return 2;
  }
  const std::vector<Bytes> seeds = ReadSeeds(argv[1]);
  const unsigned long mutations = std::stoul(argv[2]);
  const fs::path inputFile = fs::absolute(argv[3]);
  if (seeds.empty()) {
    std::fprintf(stderr, "%s: no seeds in %s\n", argv[0], argv[1]);
    return 1;
  }
  std::printf("%zu seeds and %lu mutations; an input that fails is left in %s\n", seeds.size(), mutations,
              inputFile.c_str());
  std::fflush(stdout);
  for (const Bytes& seed : seeds) Run(seed, inputFile);
  Mutator mutator(seeds);
  for (unsigned long i = 0; i < mutations; ++i) Run(mutator.Next(), inputFile);
  fs::remove(inputFile);
  return 0;
}
