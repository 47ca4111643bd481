#include "dict/dictionary_check.h"

#include <algorithm>

#include "base/regular_file.h"
#include "dict/exec_graph.h"
#include "dict/expr/bit_field.h"
#include "dict/expr/expression.h"
#include "dict/expr/expression_token.h"
#include "dict/interp/control_statements.h"
#include "dict/interp/file_statements.h"
#include "dict/interp/record_statements.h"
#include "dict/interp/statement.h"
#include "dict/source/companion_text.h"
#include "dict/source/script_file.h"
#include "dict/source/script_lines.h"
#include "dict/source/script_path.h"

namespace rcv {
namespace {

using Severity = CheckFinding::Severity;

constexpr std::string_view kCmtFileEndKeyword = "\\CMTFILE";
constexpr std::string_view kIfdefEndKeyword = "\\IFDEF";

// A script's stored lines and, for each, its line in the file as written.
struct ScriptText {
  ScriptLines lines;
  std::vector<std::size_t> fileLine;
};

bool HasHighByte(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Names that brace terms build, or that hold $ terms, depend on the lookup.
bool IsBuiltFromVariables(std::string_view name) { return name.find('{') != std::string_view::npos; }

class Checker {
 public:
  explicit Checker(std::vector<CheckFinding>& findings) : findings_(findings) {}

  // Checks the script at `path`, and the scripts it reaches; false when it
  // can't be read.
  bool CheckScript(const std::string& path) {
    std::string image;
    if (!ReadRegularFile(path, image)) return false;
    execs_[path];  // a script that EXECs nothing is in the graph too
    ScriptText text = SplitWithFileLines(path, image);
    Walk(path, text);
    return true;
  }

  // Follows the EXEC graph of the scripts read from `top`: chains that
  // reach themselves, and chains that stack more runs than a lookup allows.
  void CheckExecGraph(const std::string& top) {
    ExecGraph graph(execs_, top);
    for (const ExecGraph::Cycle& cycle : graph.Cycles()) {
      Report(cycle.exec.from, cycle.exec.line, Severity::kError,
             "EXEC chain reaches itself: " + ChainText(cycle.members));
    }
    for (const ExecGraph::DeepExec& deep : graph.ExecsBeyondDepth(kRunDepthLimit)) {
      Report(deep.exec.from, deep.exec.line, Severity::kError,
             "EXEC chain goes deeper than " + std::to_string(kRunDepthLimit) +
                 " scripts, so every lookup through it fails: " + ChainText(deep.chain));
    }
  }

 private:
  // The open blocks of a script: IFDEF (with or without its ELSE), DEFINE
  // and CMTFILE, with the line each opened on.
  enum class Block { kIfdef, kDefine, kCmtFile };
  struct OpenBlock {
    Block kind;
    std::size_t line;
  };

  void Report(const std::string& path, std::size_t line, Severity severity, std::string message) {
    findings_.push_back({path, line, severity, std::move(message)});
  }

  // Splits the image as the per-call road does, noting for each stored line
  // the line of the file it comes from, and warns of what the preloaded
  // road would lose.
  ScriptText SplitWithFileLines(const std::string& path, std::string_view image) {
    ScriptText text;
    std::size_t fileLine = 1;
    for (std::string_view rest = image; !rest.empty();) {
      const std::size_t newline = rest.find('\n');
      const std::string_view physical = rest.substr(0, newline);
      if (HasHighByte(physical)) {
        Report(path, fileLine, Severity::kWarning, "bytes of 0x80 and above are dropped by the preloaded dictionary");
      }
      if (physical.size() > kScriptLineBufferSize - 1) {
        Report(path, fileLine, Severity::kWarning,
               "line longer than " + std::to_string(kScriptLineBufferSize - 1) + " bytes is cut into several lines");
      }
      if (newline == std::string_view::npos) {
        Report(path, fileLine, Severity::kWarning, "last line has no line feed: the preloaded dictionary drops it");
      }
      const std::size_t taken = newline == std::string_view::npos ? rest.size() : newline + 1;
      ForEachScriptLine(rest.substr(0, taken), [&](std::string_view line) {
        text.lines.Append(line);
        text.fileLine.push_back(fileLine);
      });
      rest.remove_prefix(taken);
      ++fileLine;
    }
    return text;
  }

  std::string Field(const ScriptText& text, std::size_t index, std::size_t n,
                    std::size_t limit = kFieldBufferSize - 1) {
    std::string field;
    unsigned ignored = 0;
    text.lines.ReadField(index, n, field, ignored);
    CutToLimit(field, limit);
    return field;
  }

  void CheckCondition(const std::string& path, std::size_t line, std::string_view condition) {
    const std::string problem = ExpressionProblem(condition);
    if (!problem.empty())
      Report(path, line, Severity::kError, "condition \"" + std::string(condition) + "\": " + problem);
  }

  void CheckCompanion(const std::string& path, std::size_t line, std::string_view statement, std::string_view name,
                      const std::string& resolved) {
    if (IsBuiltFromVariables(name)) {
      Report(path, line, Severity::kNote,
             std::string(statement) + " file name \"" + std::string(name) +
                 "\" is built from variables and can't be checked");
    } else if (!CanOpenForReading(resolved)) {
      Report(path, line, Severity::kError,
             std::string(statement) + " file \"" + std::string(name) + "\" can't be opened (" + resolved + ")");
    }
  }

  // EXEC opens its target as written: brace terms in it are not expanded.
  void CheckExec(const std::string& path, std::size_t line, const std::string& dir, const std::string& name) {
    const std::string target = ResolveFoldedPath(dir, name);
    if (execs_.contains(target) || CheckScript(target)) {
      execs_[path].push_back({path, line, target});
      return;
    }
    const std::string why = IsBuiltFromVariables(name) ? ", EXEC does not expand brace terms" : "";
    Report(path, line, Severity::kError, "EXEC target \"" + name + "\" can't be opened" + why + " (" + target + ")");
  }

  static std::string ChainText(const std::vector<std::string>& chain) {
    std::string text;
    for (const std::string& step : chain) {
      if (!text.empty()) text += " -> ";
      text += step.substr(step.rfind('/') == std::string::npos ? 0 : step.rfind('/') + 1);
    }
    return text;
  }

  // A line inside a DEFINE block: REC rows, blank lines, and its end.
  void CheckDefineLine(const std::string& path, const ScriptText& text, std::size_t index,
                       std::vector<OpenBlock>& blocks) {
    const std::size_t line = text.fileLine[index];
    const std::string keyword = Field(text, index, 0, kDefineTextMax);
    if (keyword.starts_with(kDefineEndKeyword)) {
      blocks.pop_back();
    } else if (keyword == kDefineRowKeyword) {
      const std::string condition = Field(text, index, 1, kDefineTextMax);
      if (condition.find('*') == std::string::npos) CheckCondition(path, line, condition);
    } else if (!keyword.empty()) {
      Report(
          path, line, Severity::kError,
          "\"" + Field(text, index, 0) + "\" inside a DEFINE block is no REC row: it ends the block without \\DEFINE");
      blocks.pop_back();
    }
  }

  // A line inside a CMTFILE block: REC rows and its end; others are passed over.
  void CheckCmtFileLine(const std::string& path, const ScriptText& text, std::size_t index,
                        std::vector<OpenBlock>& blocks) {
    const std::string keyword = Field(text, index, 0, kCmtFileRowTextMax);
    if (keyword == kCmtFileEndKeyword) {
      blocks.pop_back();
    } else if (keyword == kDefineRowKeyword) {
      CheckCondition(path, text.fileLine[index], Field(text, index, 1, kCmtFileRowTextMax));
    }
  }

  void CheckStatement(const std::string& path, const std::string& dir, const ScriptText& text, std::size_t index,
                      std::vector<OpenBlock>& blocks) {
    const std::size_t line = text.fileLine[index];
    const std::string keyword = Field(text, index, 0, kKeywordMax);
    switch (ClassifyKeyword(keyword)) {
      case kUnknownStatement: {
        // The run reads only the keyword's first characters; the finding
        // names the text as written.
        const std::string written = Field(text, index, 0);
        if (written == kDefineEndKeyword || written == kCmtFileEndKeyword) {
          Report(path, line, Severity::kError, written + " without its opening line");
        } else if (written == kDefineRowKeyword) {
          Report(path, line, Severity::kError,
                 "\"" + written + "\" outside a DEFINE block is an unknown keyword and ends the run");
        } else {
          Report(path, line, Severity::kError, "unknown keyword \"" + written + "\" ends the run");
        }
        return;
      }
      case kRcCodeStatement: {
        const std::string pattern = Field(text, index, 1);
        if (!pattern.empty() && pattern.back() == ' ') {
          Report(path, line, Severity::kWarning, "RC-CODE pattern ending in blanks never matches");
        }
        return;
      }
      case kIfdefStatement:
        CheckCondition(path, line, Field(text, index, 1));
        blocks.push_back({Block::kIfdef, line});
        return;
      case kElseStatement:
        if (blocks.empty() || blocks.back().kind != Block::kIfdef)
          Report(path, line, Severity::kError, "ELSE without IFDEF");
        return;
      case kEndIfdefStatement:
        if (blocks.empty() || blocks.back().kind != Block::kIfdef) {
          Report(path, line, Severity::kError, std::string(kIfdefEndKeyword) + " without IFDEF");
        } else {
          blocks.pop_back();
        }
        return;
      case kDefineStatement:
        blocks.push_back({Block::kDefine, line});
        return;
      case kCmtFileStatement: {
        const std::string name = Field(text, index, 1, kCmtFileNameMax);
        CheckCompanion(path, line, "CMTFILE", name, CommentFilePath(dir, name));
        blocks.push_back({Block::kCmtFile, line});
        return;
      }
      case kExecStatement: {
        const std::string conditional = Field(text, index, 2, kExecNameMax);
        if (!conditional.empty()) CheckCondition(path, line, Field(text, index, 1));
        CheckExec(path, line, dir, conditional.empty() ? Field(text, index, 1, kExecNameMax) : conditional);
        return;
      }
      case kFileStatement: {
        const std::string name = Field(text, index, 1);
        CheckCompanion(path, line, "FILE", name, TableFilePath(dir, name));
        return;
      }
      case kGetRcMsgStatement: {
        const std::string name = Field(text, index, 2);
        CheckCompanion(path, line, "GETRCMSG", name, FoldedFilePath(dir, name, kGetRcMsgPathMax));
        return;
      }
      case kDspCmtStatement: {
        const std::string name = Field(text, index, 2);
        CheckCompanion(path, line, "DSPCMT", name, FoldedFilePath(dir, name, kDspCmtPathMax));
        return;
      }
      case kSetStatement: {
        const std::string name = Field(text, index, 1);
        if (!name.starts_with('$') && !name.starts_with('%')) {
          Report(path, line, Severity::kWarning, "SET name \"" + name + "\" begins neither with $ nor with %");
        }
        return;
      }
      default:
        return;
    }
  }

  void Walk(const std::string& path, const ScriptText& text) {
    const std::string dir = ScriptDirOf(path);
    std::vector<OpenBlock> blocks;
    for (std::size_t index = 0; index < text.lines.Count(); ++index) {
      const Block innermost = blocks.empty() ? Block::kIfdef : blocks.back().kind;
      if (!blocks.empty() && innermost == Block::kDefine) {
        CheckDefineLine(path, text, index, blocks);
      } else if (!blocks.empty() && innermost == Block::kCmtFile) {
        CheckCmtFileLine(path, text, index, blocks);
      } else {
        CheckStatement(path, dir, text, index, blocks);
      }
    }
    for (const OpenBlock& block : blocks) {
      static constexpr std::string_view kNames[] = {"IFDEF", "DEFINE", "CMTFILE"};
      Report(path, block.line, Severity::kError,
             std::string(kNames[static_cast<int>(block.kind)]) + " block is never closed");
    }
  }

  std::vector<CheckFinding>& findings_;
  ExecGraph::Edges execs_;  // every script read, with the EXECs it makes
};

}  // namespace

std::string_view SeverityName(CheckFinding::Severity severity) {
  static constexpr std::string_view kNames[] = {"error", "warning", "note"};
  return kNames[static_cast<int>(severity)];
}

std::string ExpressionProblem(std::string_view condition) {
  TokenList tokens;
  if (!TokenizeExpression(condition, tokens)) return "more than " + std::to_string(kTokenMax) + " tokens";
  // The evaluator's own ordering, counting values only: every $ and % term
  // is taken to give an operand, and an operator leaving the stack takes
  // two values and gives one.
  std::vector<bool> operands;
  for (ExpressionToken& token : tokens) {
    ExtractBits(token);
    operands.push_back(token.front() == '$' || token.front() == '%' || IsOperandText(token));
  }
  std::string problem;
  std::size_t values = 0;
  const auto count = [&](std::size_t i) {
    if (operands[i]) {
      if (++values <= kValueStackSlots) return true;
      problem = "more than " + std::to_string(kValueStackSlots) + " values at once";
      return false;
    }
    if (values < 2) {
      problem = "an operator lacks two values";
      return false;
    }
    --values;
    return true;
  };
  const auto isOperand = [&operands](std::size_t i) { return operands[i]; };
  const auto rankOf = [&tokens](std::size_t i) { return OperatorRank(tokens[i].front()); };
  if (OrderTokens(tokens.size(), isOperand, rankOf, count) == TokenOrder::kOperatorStackFull) {
    return "more than " + std::to_string(kOperatorStackSlots) + " operators waiting";
  }
  return problem;
}

std::vector<CheckFinding> CheckDictionary(const std::string& path) {
  std::vector<CheckFinding> findings;
  Checker checker(findings);
  if (checker.CheckScript(path)) {
    checker.CheckExecGraph(path);
  } else {
    findings.push_back({path, 0, Severity::kError, "dictionary can't be opened"});
  }
  // Each file's findings by line, the files in the order they were read.
  std::vector<std::string> order;
  for (const CheckFinding& finding : findings) {
    if (std::find(order.begin(), order.end(), finding.path) == order.end()) order.push_back(finding.path);
  }
  const auto rank = [&order](const CheckFinding& finding) {
    return std::pair(std::find(order.begin(), order.end(), finding.path) - order.begin(), finding.line);
  };
  std::stable_sort(findings.begin(), findings.end(),
                   [&rank](const CheckFinding& a, const CheckFinding& b) { return rank(a) < rank(b); });
  return findings;
}

}  // namespace rcv
