// Writes the demo tree that the README's demo command runs the viewer on:
// a setup file, rcrev, a wrapped sel.log with varied events, and the rest of
// the logs as the fixture writers grow.
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "fixture/demo_tree.h"

int main(int argc, char** argv) {
  // A lone option ("--help") is asked for usage, not a folder to write.
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: make_demo ROOT\n");
    return 2;
  }
  rcv::fixture::WriteDemoTree(std::filesystem::path(argv[1]));
  return 0;
}
