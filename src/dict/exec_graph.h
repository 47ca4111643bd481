// The EXEC graph of a dictionary: the scripts read and the EXECs with
// literal targets that each makes, followed from the top script the way
// lookups follow them.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace rcv {

struct ExecEdge {
  std::string from;  // the script with the EXEC line
  std::size_t line = 0;
  std::string to;  // the script it runs
};

class ExecGraph {
 public:
  // Every script read, with its EXECs in line order.
  using Edges = std::map<std::string, std::vector<ExecEdge>>;

  // An EXEC that leads back to a script of the chain that reached it; the
  // members run from that script round to it again.
  struct Cycle {
    ExecEdge exec;
    std::vector<std::string> members;
  };
  // An EXEC met when `limit` runs are already stacked; the chain runs from
  // the top script to the script it would run.
  struct DeepExec {
    ExecEdge exec;
    std::vector<std::string> chain;
  };

  ExecGraph(const Edges& edges, const std::string& top);

  const std::vector<Cycle>& Cycles() const { return cycles_; }
  // Chains through cycles aside, which Cycles reports.
  std::vector<DeepExec> ExecsBeyondDepth(int limit) const;

 private:
  enum class Visit { kNew, kOnChain, kDone };
  void Follow(const std::string& script);

  const Edges& edges_;
  std::string top_;
  std::map<std::string, Visit> visits_;
  std::vector<std::string> chain_;
  std::vector<Cycle> cycles_;
  std::vector<const ExecEdge*> forward_;  // the EXECs that close no cycle
  std::vector<std::string> finished_;     // each script after every script it reaches
};

}  // namespace rcv
