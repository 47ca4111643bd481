#include "rcquery/mar_source.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "base/byte_order.h"
#include "dict/rc_info_layout.h"
#include "marlog/attached_logs.h"
#include "marlog/call_reason.h"
#include "marlog/mar_config.h"
#include "marlog/mar_file_path.h"
#include "marlog/mar_record.h"
#include "marlog/marlog_index.h"

namespace rcv {

namespace {

namespace layout = rc_info_layout;
using Bytes = std::span<const std::uint8_t>;

// A stored text: up to its terminating zero, never past its width, as UTF-8.
std::string FieldText(Bytes bytes, std::size_t offset, std::size_t width) {
  const Bytes field = bytes.subspan(offset, width);
  const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  return ShiftJisToUtf8(std::string(field.begin(), end), Unconvertible::kEscape);
}

Json FruRows(Bytes record) {
  Json rows = Json::array();
  for (std::size_t row = 0; row < kMarFruRowsShown; ++row) {
    const Bytes bytes = record.subspan(MarRcField(layout::FruRow(row)), layout::kFruRowSize);
    if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; })) break;
    rows.push_back({{"Unit", FieldText(bytes, layout::kUnitMnemonic, layout::kUnitMnemonicWidth)},
                    {"FruMnemonic", FieldText(bytes, layout::kFruMnemonic, layout::kFruMnemonicWidth)},
                    {"Action", FieldText(bytes, layout::kActionCode, layout::kActionCodeWidth)},
                    {"Weight", FieldText(bytes, layout::kWeight, layout::kWeightWidth)}});
  }
  return rows;
}

Json AttachedLogNames(std::string_view file) {
  Json names = Json::array();
  for (const AttachedLogEntry& log : ScanAttachedLogs(file, kMarRecordSize)) {
    names.push_back(ShiftJisToUtf8(log.name, Unconvertible::kEscape));
  }
  return names;
}

// The details of the record as the detail screen shows them.
void AddRecordDetails(std::string_view file, LogEntry& entry) {
  const std::vector<std::uint8_t> bytes(file.begin(), file.begin() + kMarRecordSize);
  const Bytes record(bytes);
  const Bytes rc = record.subspan(MarRcField(layout::kReferenceCode), kReferenceCodeSize);
  ReferenceCode code{};
  std::copy(rc.begin(), rc.end(), code.begin());
  entry.rc = code;
  const std::optional<QueryTime> recordTime = LogStampTime(ReadLe32(record, kMarTimestampOffset));
  char reason[8];
  std::snprintf(reason, sizeof reason, "%02X%02X", kMarReasonPrefix, ReadU8(record, kMarReasonNumberOffset));
  const std::string name = FieldText(record, MarRcField(layout::kRcName), layout::kRcNameWidth);
  Json& p = entry.properties;
  p["RecordCreated"] = recordTime ? Json(FormatRfc3339(*recordTime)) : Json(nullptr);
  p["Reason"] = reason;
  p["Impact"] = FieldText(record, kMarImpactOffset, kMarImpactSize);
  p["Configuration"] = HexDigits(record.subspan(kMarConfigurationOffset, kMarConfigurationSize));
  p["Event"] = HexDigits(record.subspan(kMarEventOffset, kMarEventSize));
  p["RC"] = HexDigits(rc);
  p["RcName"] = name;
  p["Comment"] = FieldText(record, MarRcField(layout::kComment), layout::kCommentWidth);
  p["Fru"] = FruRows(record);
  p["AttachedLogs"] = AttachedLogNames(file);
  entry.message += " | " + (name.empty() ? "RC " + HexDigits(rc) : name);
}

LogEntry IndexRowEntry(const MarlogIndexEntry& row, const std::vector<CallReasonEntry>& reasons) {
  const std::string rawCode = row.reason.substr(0, kCallReasonCodeWidth);
  // The index and the reason table are text of the machine's own; whatever
  // they hold reaches the output as UTF-8.
  const std::string code = ShiftJisToUtf8(rawCode, Unconvertible::kEscape);
  const std::string text = ShiftJisToUtf8(FindCallReason(reasons, rawCode), Unconvertible::kEscape);
  LogEntry entry;
  entry.source = kMarSource;
  entry.id = ShiftJisToUtf8(row.dirName, Unconvertible::kEscape);
  entry.created = IndexRowTime(row.date, row.time);
  entry.message = "[" + code + "]" + text;
  entry.properties = {{"Directory", entry.id},    {"CallReasonCode", code}, {"CallReason", text},
                      {"RecordCreated", nullptr}, {"Reason", nullptr},      {"Impact", nullptr},
                      {"Configuration", nullptr}, {"Event", nullptr},       {"RC", nullptr},
                      {"RcName", nullptr},        {"Comment", nullptr},     {"Fru", nullptr},
                      {"AttachedLogs", nullptr}};
  return entry;
}

std::vector<CallReasonEntry> ReadCallReasons(const MarConfig& config, SourceRead& read) {
  std::string text;
  std::string error = ReadLogFile(config.callReasonPath, 1, text);
  if (!error.empty()) {
    // The rows still print, each reason "unknown", as on the screen.
    read.errors.push_back(std::move(error));
    return {};
  }
  return ParseCallReasons(text);
}

void ReadRecord(const MarConfig& config, const MarlogIndexEntry& row, LogEntry& entry, SourceRead& read) {
  std::ostringstream why;
  std::string path;
  if (!MarFilePath(why, config.marDir, row.dirName, path)) {
    read.errors.push_back(OneLine(why.str()));
    return;
  }
  std::string file;
  std::string error = ReadLogFile(path, kMarRecordSize, file);
  if (!error.empty()) {
    read.errors.push_back(std::move(error));
    return;
  }
  AddRecordDetails(file, entry);
}

}  // namespace

SourceRead ReadMarSource() {
  SourceRead read;
  std::ostringstream why;
  MarConfig config;
  if (LoadMarConfig(why, config) != 1) {
    read.errors.push_back(OneLine(why.str()));
    return read;
  }
  std::string index;
  std::string error = ReadLogFile(config.marDir + "marlog.idx", 0, index);
  if (!error.empty()) {
    read.errors.push_back(std::move(error));
    return read;
  }
  std::vector<MarlogIndexEntry> rows = ParseMarlogIndex(index, config.stackMax);
  SortMarlogIndex(rows);
  std::reverse(rows.begin(), rows.end());
  const std::vector<CallReasonEntry> reasons = ReadCallReasons(config, read);
  for (const MarlogIndexEntry& row : rows) {
    LogEntry entry = IndexRowEntry(row, reasons);
    ReadRecord(config, row, entry, read);
    read.entries.push_back(std::move(entry));
  }
  MakeIdsUnique(read.entries);
  return read;
}

}  // namespace rcv
