// rcdict: the dictionary maintainer's command. Everything lives in the
// library; main binds it to the terminal.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "rcdict/rcdict_command.h"
#include "rcdict/rcdict_options.h"
#include "shell/standard_output.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv, argv + argc);
  const int status =
      rcv::RunRcdict(args, std::cin, std::cout, std::cerr, std::getenv("LANG"), rcv::StandardOutputHasReader());
  return rcv::FinishStandardOutput("rcdict", status, rcv::kRcdictWriteFailed);
}
