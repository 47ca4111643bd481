#include "dict/exec_graph.h"

#include <algorithm>

namespace rcv {

ExecGraph::ExecGraph(const Edges& edges, const std::string& top) : edges_(edges), top_(top) { Follow(top); }

void ExecGraph::Follow(const std::string& script) {
  visits_[script] = Visit::kOnChain;
  chain_.push_back(script);
  if (const auto found = edges_.find(script); found != edges_.end()) {
    for (const ExecEdge& exec : found->second) {
      const Visit visit = visits_[exec.to];
      if (visit == Visit::kOnChain) {
        std::vector<std::string> members(std::find(chain_.begin(), chain_.end(), exec.to), chain_.end());
        members.push_back(exec.to);
        cycles_.push_back({exec, std::move(members)});
        continue;
      }
      forward_.push_back(&exec);
      if (visit == Visit::kNew) Follow(exec.to);
    }
  }
  chain_.pop_back();
  visits_[script] = Visit::kDone;
  finished_.push_back(script);
}

std::vector<ExecGraph::DeepExec> ExecGraph::ExecsBeyondDepth(int limit) const {
  // For each script and each depth it can run at (the top script at 1),
  // the EXEC that first brought it there; scripts are taken after every
  // script that reaches them.
  const auto depths = static_cast<std::size_t>(limit) + 1;
  std::map<std::string, std::vector<const ExecEdge*>> reachedBy;
  const ExecEdge start{{}, 0, top_};
  reachedBy[top_].assign(depths, nullptr);
  reachedBy[top_][1] = &start;
  std::vector<DeepExec> deep;
  for (auto script = finished_.rbegin(); script != finished_.rend(); ++script) {
    const auto reached = reachedBy.find(*script);
    if (reached == reachedBy.end()) continue;
    for (const ExecEdge* exec : forward_) {
      if (exec->from != *script) continue;
      std::vector<const ExecEdge*>& next = reachedBy[exec->to];
      next.resize(depths, nullptr);
      for (std::size_t depth = 1; depth + 1 < depths; ++depth) {
        if (reached->second[depth] != nullptr && next[depth + 1] == nullptr) next[depth + 1] = exec;
      }
      if (reached->second[depths - 1] == nullptr) continue;
      // Back from the script at the limit to the top, one EXEC a depth.
      std::vector<std::string> chain = {exec->to};
      std::string at = *script;
      for (std::size_t depth = depths - 1; depth >= 1; --depth) {
        chain.push_back(at);
        at = reachedBy.at(at)[depth]->from;
      }
      std::reverse(chain.begin(), chain.end());
      deep.push_back({*exec, std::move(chain)});
    }
  }
  return deep;
}

}  // namespace rcv
