// The root tree the fuzzers of files and screens run in: one a process, in
// a fresh temporary folder, with the default setup file and rcrev, pointed
// at by RCVIEWER_ROOT, and removed when the process ends.
#pragma once

#include "fixture/fixture_tree.h"

namespace rcv::fuzz {

inline const fixture::FixtureTree& FuzzTree() {
  static fixture::FixtureTree tree;
  static const bool ready = [] {
    tree.WriteSetup();
    tree.Activate();
    return true;
  }();
  static_cast<void>(ready);
  return tree;
}

}  // namespace rcv::fuzz
