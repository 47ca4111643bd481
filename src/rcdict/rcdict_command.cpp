#include "rcdict/rcdict_command.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <iomanip>
#include <sstream>
#include <vector>

#include "base/regular_file.h"
#include "base/text_conversion.h"
#include "dict/dictionary_check.h"
#include "dict/preloaded_dictionary.h"
#include "dict/rc_coverage.h"
#include "dict/rc_lookup.h"
#include "dict/state/run_mode.h"
#include "rcdict/rcdict_options.h"
#include "rclog/rc_log.h"
#include "shell/console.h"
#include "shell/file_block.h"
#include "shell/program_version.h"
#include "shell/roots.h"

namespace rcv {
namespace {

using Json = nlohmann::ordered_json;

// The dictionary lookups see this many digits of an RC.
constexpr std::size_t kRcTextDigits = 16;

struct Output {
  std::ostream& out;
  std::ostream& err;
  const TextConversion& conversion;
  bool json;
  bool flushEachAnswer;  // a reader waits for each answer
};

// One JSON object a line; any text that is not UTF-8 is replaced.
void PrintJson(std::ostream& out, const Json& value) {
  out << value.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

// The RC's 16 digits after NormalizeRcText, or nothing when the text holds
// fewer than 16 hexadecimal digits at its start.
std::optional<std::string> RcDigits(std::string text) {
  NormalizeRcText(text);
  if (text.size() < kRcTextDigits) return std::nullopt;
  text.resize(kRcTextDigits);
  if (IsHexString(text) != 0) return std::nullopt;
  return text;
}

std::string CommentLines(std::string comment) {
  if (!comment.empty() && comment.back() == '\n') comment.pop_back();
  return comment;
}

// One lookup's answer: the RC as shown, the result, what the dictionary
// gave and the diagnostics it printed on the way, one a line.
struct Answer {
  std::string rc;
  int result = kRcTextTooShortResult;
  RcInfo info;
  std::vector<std::string> problems;
};

// Catches the diagnostics and problems of one lookup, which belong to its
// answer; those outside a lookup still go to standard error.
class ProblemCapture {
 public:
  explicit ProblemCapture(std::ostream& err) : err_(err) {
    SetDictionaryDiagnostics(text_);
    SetDictionaryProblemSink(&text_);
  }
  ~ProblemCapture() {
    SetDictionaryDiagnostics(err_);
    SetDictionaryProblemSink(nullptr);
  }
  ProblemCapture(const ProblemCapture&) = delete;
  ProblemCapture& operator=(const ProblemCapture&) = delete;

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(text_.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

 private:
  std::ostream& err_;
  std::ostringstream text_;
};

Json RcJson(const Answer& answer, bool nameOnly) {
  Json object = {{"rc", answer.rc}, {"result", answer.result}, {"name", ShiftJisToUtf8(answer.info.rcName)}};
  if (!nameOnly) {
    Json rows = Json::array();
    for (const RcFruRow& row : answer.info.fru) {
      rows.push_back({{"unit", ShiftJisToUtf8(row.unitMnemonic)},
                      {"fru", ShiftJisToUtf8(row.fruMnemonic)},
                      {"action", ShiftJisToUtf8(row.actionCode)},
                      {"weight", ShiftJisToUtf8(row.weight)}});
    }
    object["fru"] = std::move(rows);
    object["comment"] = ShiftJisToUtf8(CommentLines(answer.info.comment));
  }
  Json problems = Json::array();
  for (const std::string& problem : answer.problems) problems.push_back(ShiftJisToUtf8(problem));
  object["problems"] = std::move(problems);
  return object;
}

void PrintRcBlock(const Output& output, const Answer& answer, bool nameOnly) {
  std::ostream& out = output.out;
  const RcInfo& info = answer.info;
  out << "RC      : " << answer.rc << "\nRESULT  : " << answer.result << "\nNAME    : ";
  output.conversion.ConvertText(info.rcName, out);
  out << '\n';
  if (!nameOnly) {
    for (std::size_t i = 0; i < info.fru.size(); ++i) {
      const RcFruRow& row = info.fru[i];
      out << "FRU " << i + 1 << "   : " << std::left << std::setw(8) << row.unitMnemonic << ' ' << std::setw(16)
          << row.fruMnemonic << ' ' << std::setw(4) << row.actionCode << row.weight << std::right << '\n';
    }
    std::istringstream lines(CommentLines(info.comment));
    bool first = true;
    for (std::string line; std::getline(lines, line); first = false) {
      out << (first ? "COMMENT : " : "          ");
      output.conversion.ConvertText(line, out);
      out << '\n';
    }
  }
  for (const std::string& problem : answer.problems) {
    out << "PROBLEM : ";
    output.conversion.ConvertText(problem, out);
    out << '\n';
  }
  out << '\n';
}

RunMode LookupMode(const RcdictOptions& options) {
  RunMode mode = kRcInfoRunMode;
  if (options.language == "JP") mode |= RunLangJp;
  if (options.language == "US") mode |= RunLangUs;
  return mode;
}

// Looks up one RC text and prints its answer; false when the lookup failed
// or met problems.
bool AnswerRc(const RcdictOptions& options, const std::string& path, const std::string& text, const Output& output) {
  Answer answer;
  const std::optional<std::string> rc = RcDigits(text);
  answer.rc = rc.value_or(text);
  if (!rc) {
    output.err << "rcdict: not an RC of 16 hexadecimal digits: " << text << '\n';
  } else {
    const ProblemCapture capture(output.err);
    answer.result = options.preloaded ? GetRcNamePreloaded(*rc, path, answer.info)
                                      : LookUpRcText(*rc, LookupMode(options), path, answer.info);
    answer.problems = capture.Lines();
  }
  if (output.json) {
    PrintJson(output.out, RcJson(answer, options.preloaded));
  } else {
    PrintRcBlock(output, answer, options.preloaded);
  }
  return answer.result >= 0 && answer.problems.empty();
}

int RunLookup(const RcdictOptions& options, const std::string& path, std::istream& in, const Output& output) {
  if (options.preloaded && PreloadDictionaryFile(path) != 1) {
    output.err << "rcdict: the dictionary can't be loaded: " << path << '\n';
    return kRcdictUsage;
  }
  bool failed = false;
  // Each answer is out before the next RC is read, so a reader that feeds
  // RCs one by one gets each answer at once; output that can't be written
  // ends the lookups.
  const auto answer = [&](const std::string& text) {
    failed |= !AnswerRc(options, path, text, output);
    if (output.flushEachAnswer) output.out.flush();
    return !output.out.bad();
  };
  if (!options.operands.empty()) {
    for (const std::string& text : options.operands) {
      if (!answer(text)) break;
    }
  } else {
    for (std::string line; std::getline(in, line);) {
      if (line.find_first_not_of(" \t\r") != std::string::npos && !answer(line)) break;
    }
  }
  if (options.preloaded) ReleaseRcDictionary();
  return failed ? kRcdictFailed : kRcdictOk;
}

int RunCheck(const std::string& path, const Output& output) {
  int status = kRcdictOk;
  for (const CheckFinding& finding : CheckDictionary(path)) {
    if (finding.severity == CheckFinding::Severity::kError) status = kRcdictFailed;
    if (output.json) {
      PrintJson(output.out, {{"path", finding.path},
                             {"line", finding.line},
                             {"severity", SeverityName(finding.severity)},
                             {"message", finding.message}});
    } else {
      output.out << finding.path << ':' << finding.line << ": " << SeverityName(finding.severity) << ": "
                 << finding.message << '\n';
    }
  }
  return status;
}

void PrintCoverage(const Output& output, const RcCoverage& coverage) {
  if (output.json) {
    Json unknown = Json::array();
    for (const UnknownRc& rc : coverage.unknownRcs) unknown.push_back({{"rc", rc.rc}, {"count", rc.count}});
    PrintJson(output.out, {{"records", coverage.records},
                           {"distinct", coverage.distinct},
                           {"found", coverage.found},
                           {"found_with_problems", coverage.foundWithProblems},
                           {"unknown", coverage.unknown},
                           {"failed", coverage.failed},
                           {"unknown_rcs", std::move(unknown)}});
    return;
  }
  output.out << "records             : " << coverage.records << "\ndistinct            : " << coverage.distinct
             << "\nfound               : " << coverage.found << "\nfound with problems : " << coverage.foundWithProblems
             << "\nunknown             : " << coverage.unknown << "\nfailed              : " << coverage.failed << '\n';
  if (coverage.unknownRcs.empty()) return;
  output.out << "unknown RCs, most frequent first:\n";
  for (const UnknownRc& rc : coverage.unknownRcs) output.out << "  " << rc.rc << "  " << rc.count << '\n';
}

int RunCover(const RcdictOptions& options, const std::string& path, const Output& output) {
  const std::string logPath = options.operands.empty() ? VrkLogPath("rc.log") : options.operands.front();
  std::vector<std::uint8_t> image(kRcLogSize, 0);
  if (const int read = ReadFileBlock(logPath, image); read != kFileOk) {
    output.err << "rcdict: " << (read == kFileOpenFailed ? "can't open " : "too short for an RC log: ") << logPath
               << '\n';
    return kRcdictUsage;
  }
  std::vector<ReferenceCode> rcs;
  for (const RcEntry& entry : DecodeRcLog(image)) rcs.push_back(entry.rc);
  const RcCoverage coverage = CountRcCoverage(rcs, [&path, &output](const std::string& rc) {
    RcInfo info;
    const ProblemCapture capture(output.err);
    const int result = LookUpRcText(rc, kRcInfoRunMode, path, info);
    // The counts say how many; standard error keeps what was said.
    const std::vector<std::string> problems = capture.Lines();
    for (const std::string& problem : problems) output.err << rc << ": " << problem << '\n';
    return RcTextResult(result, !problems.empty());
  });
  PrintCoverage(output, coverage);
  return coverage.failed > 0 || coverage.lookupsWithProblems > 0 ? kRcdictFailed : kRcdictOk;
}

// The dictionary named with --dict, or the machine's; nothing, after saying
// why, when there is none to read.
std::optional<std::string> DictionaryPath(const RcdictOptions& options, std::ostream& err) {
  std::string path = options.dictionary;
  if (path.empty() && GetRcTablePath(path).empty()) return std::nullopt;
  if (!IsReadableRegularFile(path)) {
    err << "rcdict: no dictionary to read at " << path << '\n';
    return std::nullopt;
  }
  return path;
}

}  // namespace

int RunRcdict(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err,
              const char* lang, bool flushEachAnswer) {
  std::string error;
  const std::optional<RcdictOptions> options = ParseRcdictOptions(args, error);
  if (!options) {
    err << "rcdict: " << error << '\n' << kRcdictUsageText;
    return kRcdictUsage;
  }
  if (options->help) {
    out << kRcdictUsageText;
    return kRcdictOk;
  }
  if (options->version) {
    out << "rcdict " << ProgramVersion() << '\n';
    return kRcdictOk;
  }
  // The dictionary's own diagnostics never mix with the results.
  SetDictionaryDiagnostics(err);
  const std::optional<std::string> path = DictionaryPath(*options, err);
  if (!path) return kRcdictUsage;
  TextConversion conversion;
  conversion.Open(lang);
  const Output output{out, err, conversion, options->json, flushEachAnswer};
  if (options->command == "lookup") return RunLookup(*options, *path, in, output);
  if (options->command == "check") return RunCheck(*path, output);
  return RunCover(*options, *path, output);
}

}  // namespace rcv
