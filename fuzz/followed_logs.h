// The logs the cursor file fuzzer follows and its seeds were saved over:
// the demo rc.log, the demo sel.log (a wrapped ring) and the demo MARLOG.
#pragma once

#include "fixture/demo_marlog.h"
#include "fixture/demo_tree.h"
#include "fixture/fixture_tree.h"
#include "fixture/rc_log_writer.h"
#include "fixture/sel_log_writer.h"

namespace rcv::fuzz {

inline void WriteFollowedLogs(const fixture::FixtureTree& tree) {
  fixture::WriteRcLog(tree, fixture::DemoRcLog());
  tree.WriteFile(tree.VrkLogDir() / "sel.log", fixture::BuildSelLog(fixture::DemoSelLog()));
  fixture::WriteDemoMarlog(tree);
}

}  // namespace rcv::fuzz
