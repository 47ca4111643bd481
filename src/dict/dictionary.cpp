#include "dict/dictionary.h"

#include <algorithm>
#include <utility>

#include "dict/interp/run_collectors.h"
#include "dict/interp/script_run.h"
#include "dict/preloaded_dictionary.h"
#include "dict/rc_lookup.h"
#include "dict/source/companion_text.h"
#include "dict/source/script_path.h"
#include "dict/state/record_table.h"
#include "dict/state/variable_table.h"
#include "shell/roots.h"

namespace rcv {
namespace {

static_assert(kRunScriptUnreadable == kRunScriptOpenFailed && kRunNotCollected == kRunResultNone &&
              kRunNoEntry == kRcHasNoEntry);

// Rows from the first up to the first without a unit, as many as the
// record has room for.
std::vector<RcFruRow> CopyFruRows(const ScriptOutput& output, int rowCount) {
  std::vector<RcFruRow> rows;
  const std::size_t count = std::min(output.rows.size(), static_cast<std::size_t>(rowCount));
  for (std::size_t i = 0; i < count && rows.size() < kRcInfoFruRows; ++i) {
    const FruRow& row = output.rows[i];
    if (row.unitMnemonic.empty()) break;
    rows.push_back({CutCopy(row.actionCode, kActionCodeMax), CutCopy(row.weight, kWeightMax),
                    CutCopy(row.unitMnemonic, kUnitMnemonicMax), CutCopy(row.fruMnemonic, kFruMnemonicMax)});
  }
  return rows;
}

void FreeRunStores(SearchContext& context) {
  context.lines.Free();
  context.records.Free();
  FreeVariables(context);
}

}  // namespace

Dictionary::Dictionary(std::unique_ptr<FileSource> files, std::ostream& diagnostics)
    : ownFiles_(std::move(files)), files_(*ownFiles_), diagnostics_(&diagnostics), sources_(files_) {
  sources_.MarkLookups();
  Lend(perCall_);
  Lend(preloaded_);
}

Dictionary::Dictionary(FileSource& files, std::ostream& diagnostics)
    : files_(files), diagnostics_(&diagnostics), sources_(files_) {
  sources_.MarkLookups();
  Lend(perCall_);
  Lend(preloaded_);
}

void Dictionary::SetDiagnostics(std::ostream& out) {
  diagnostics_ = &out;
  Lend(perCall_);
  Lend(preloaded_);
}

void Dictionary::SetProblemSink(std::ostream* sink) {
  problems_ = sink;
  Lend(perCall_);
  Lend(preloaded_);
}

void Dictionary::Lend(SearchContext& context) {
  context.sources = &sources_;
  context.expressions = &expressions_;
  context.diagnostics = diagnostics_;
  context.problems = problems_;
}

LookupResult Dictionary::Run(std::string_view rcText, const std::string& path, ScriptOutput* output,
                             std::string* comment, RunMode mode) {
  const int result = RunTopLevelScript(rcText, path, output, comment, mode, perCall_);
  sources_.EndLookup();
  return LookupResult::OfRun(result);
}

LookupResult Dictionary::LookUp(std::string_view rcText, RunMode mode, const std::string& path, RcInfo& info) {
  ScriptOutput output;
  std::string comment;
  const LookupResult result = Run(rcText, path, &output, &comment, mode);
  if (result.code() < 0) return result;
  info.rcName = CutCopy(output.rcName, kRcNameMax);
  info.comment = CutCopy(comment, kRcCommentMax);
  info.fru = CopyFruRows(output, result.rows());
  // Never more rows than the record holds.
  return LookupResult::OfRun(static_cast<int>(info.fru.size()));
}

LookupResult Dictionary::LookUpInTable(std::string_view rcText, RunMode mode, std::string& path, RcInfo& info) {
  TablePathInLookup(path);
  return LookUp(rcText, mode, path, info);
}

std::string& Dictionary::TablePath(std::string& path) {
  TablePathInLookup(path);
  sources_.EndLookup();
  return path;
}

std::string& Dictionary::TablePathInLookup(std::string& path) {
  const std::optional<std::string>& confDir = tablePath_.ConfDir(sources_, SetupFilePath());
  if (!confDir) {
    *diagnostics_ << kRcTablePathFailed << '\n';
    return path;
  }
  path = DictionaryFilePath(*confDir, kDictionaryFileName);
  return path;
}

bool Dictionary::Preload(const std::string& path) {
  FreeRunStores(preloaded_);
  preloaded_.runDepth = 1;
  if (!LoadPreloadedLines(path, preloaded_)) {
    ReleasePreloaded();
    return false;
  }
  return true;
}

void Dictionary::ReleasePreloaded() {
  FreeRunStores(preloaded_);
  ReleasePreloadedImages();
}

const std::string* Dictionary::PreloadedImageOf(const std::string& path) {
  for (const PreloadedImage& entry : preloadedImages_) {
    if (entry.path == path) return &entry.image;
  }
  std::string image;
  if (!files_.Read(path, image)) return nullptr;
  preloadedImages_.push_back({path, std::move(image)});
  return &preloadedImages_.back().image;
}

bool Dictionary::LoadPreloadedLines(const std::string& path, SearchContext& context) {
  const std::string* image = PreloadedImageOf(path);
  if (image == nullptr) return false;
  context.lines.Free();
  SplitPreloadedLines(*image, context.lines);
  return true;
}

LookupResult Dictionary::RunPreloaded(std::string_view rcText, const std::string& path, ScriptOutput* output,
                                      std::string* comment, RunMode mode, SearchContext* given) {
  const int result = RunPreloadedLines(rcText, path, output, comment, mode, given ? *given : preloaded_);
  sources_.EndLookup();
  return LookupResult::OfRun(result);
}

LookupResult Dictionary::NamePreloaded(std::string_view rcText, const std::string& path, RcInfo& info) {
  ScriptOutput output;
  const LookupResult result = RunPreloaded(rcText, path, &output, nullptr, RunFru);
  if (result.code() >= 0) info.rcName = CutCopy(output.rcName, kRcNameMax);
  return result;
}

}  // namespace rcv
