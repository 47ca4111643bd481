// Writes a measuring workload below ROOT:
//   make_workload reference ROOT     the reference dictionary and a full RC log over it
//   make_workload sparse ROOT        the sparse dictionary (many lookups end unnamed) and its RC log
//   make_workload flat ROOT LINES    a flat dictionary of about LINES lines, same RC log
//   make_workload records ROOT N     a dictionary that SETs N records, one RC logged
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fixture/reference_workload.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: make_workload reference ROOT | sparse ROOT | flat ROOT LINES | records ROOT COUNT\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace rcv::fixture;
  if (argc < 3) return Usage();
  const std::string kind = argv[1];
  const std::filesystem::path root = argv[2];
  if (kind == "reference" && argc == 3) {
    WriteReferenceWorkload(root);
    return 0;
  }
  if (kind == "sparse" && argc == 3) {
    WriteSparseWorkload(root);
    return 0;
  }
  if (argc != 4) return Usage();
  const auto size = static_cast<std::size_t>(std::strtoul(argv[3], nullptr, 10));
  FixtureTree tree(root);
  tree.WriteSetup();
  if (kind == "flat") {
    WriteFlatDictionary(tree, size);
    WriteRcLog(tree, ReferenceRcLog());
  } else if (kind == "records") {
    WriteManyRecordsDictionary(tree, size);
    WriteRcLog(tree, NumberedRcLog(1));
  } else {
    return Usage();
  }
  return 0;
}
