// rcquery: the logs for scripts and log shippers. Everything lives in the
// library; main binds it to the process: standard output written and
// closed with every failure seen, a closed pipe ending quietly.
#include <unistd.h>

#include <csignal>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "rcquery/descriptor_output.h"
#include "rcquery/rcquery_command.h"

int main(int argc, char** argv) {
  // A reader that closed the pipe shows as EPIPE on the write, which ends
  // the run quietly, instead of as a signal.
  std::signal(SIGPIPE, SIG_IGN);
  const std::vector<std::string> args(argv, argv + argc);
  rcv::DescriptorOutput output(STDOUT_FILENO);
  std::ostream out(&output);
  const int status = rcv::RunRcquery(args, out, std::cerr, std::time(nullptr));
  return rcv::FinishOutput(output, status, "rcquery", std::cerr);
}
