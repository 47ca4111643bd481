#include "dict/rc_text_lookup.h"

#include <cstdio>
#include <iostream>

#include "dict/dictionary.h"
#include "dict/rc_lookup.h"
#include "dict/state/run_mode.h"

namespace rcv {
namespace {

void PrintTrace(std::string_view value) { std::cout << "puszRc = [" << value << "]\n"; }

RunMode LanguageMode(std::optional<std::string_view> language) {
  if (language == "JP") return RunLangJp;
  if (language == "US") return RunLangUs;
  return 0;
}

std::string TablePath() {
  std::string path;
  return GetRcTablePath(path);
}

}  // namespace

int LookupRcTraced(std::string rcText, ScriptOutput& output) {
  NormalizeRcText(rcText);
  PrintTrace(rcText);
  std::cout << "puszRc = [" << rcText.size() << "]\n";
  if (rcText.size() < kRcTextMin) return kRcTextTooShort;
  const int result = ProcessDictionary().Run(rcText, TablePath(), &output, nullptr, RunFru).code();
  const FruRow first = output.rows.empty() ? FruRow{} : output.rows.front();
  PrintTrace(first.unitMnemonic);
  PrintTrace(first.fruMnemonic);
  return result;
}

std::optional<std::string> GetRcComment(std::string rcText, std::optional<std::string_view> language) {
  const std::string path = TablePath();
  NormalizeRcText(rcText);
  std::string comment;
  const LookupResult result =
      ProcessDictionary().Run(rcText, path, nullptr, &comment, RunComment | LanguageMode(language));
  if (result.reason() == LookupReason::kScriptUnreadable) return std::nullopt;
  return comment;
}

std::optional<std::string> LookupRcWithComment(std::string rcText, ScriptOutput& output, int& result) {
  NormalizeRcText(rcText);
  if (rcText.size() < kRcTextMin) {
    result = kRcTextTooShort;
    return std::nullopt;
  }
  std::string comment;
  result = ProcessDictionary().Run(rcText, TablePath(), &output, &comment, RunFru | RunComment).code();
  if (result == kRunScriptUnreadable) return std::nullopt;
  return comment;
}

}  // namespace rcv
