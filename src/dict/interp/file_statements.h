// FILE, CMTFILE, GETRCMSG and DSPCMT: the statements that read companion
// files in the running script's directory and put their text into
// placeholder records. A file that can't be opened never ends the run.
#pragma once

#include <cstddef>

#include "dict/interp/statement.h"

namespace rcv {

class ScriptSources;

// Buffer sizes of the statements, in characters: texts beyond them are cut.
inline constexpr std::size_t kFilePathMax = 135;
inline constexpr std::size_t kFileKeyMax = 39;
inline constexpr std::size_t kFileRecordNameMax = 19;
inline constexpr std::size_t kFileValueMax = 79;
inline constexpr std::size_t kFileLastField = 999;

inline constexpr std::size_t kCmtFileNameMax = 39;
inline constexpr std::size_t kCmtFileRecordNameMax = 39;
inline constexpr std::size_t kCmtFileMarkerMax = 39;
inline constexpr std::size_t kCmtFileRowTextMax = 255;

inline constexpr std::size_t kGetRcMsgPathMax = 79;
inline constexpr std::size_t kGetRcMsgRecordNameMax = 39;
inline constexpr std::size_t kGetRcMsgMarkerMax = 39;
inline constexpr std::size_t kGetRcMsgArgumentMax = 39;

inline constexpr std::size_t kDspCmtPathMax = 79;
inline constexpr std::size_t kDspCmtRecordNameMax = 79;

// The record that collects comment lines; GETRCMSG and DSPCMT append to it
// where they replace the values of any other record.
inline constexpr std::string_view kMessageRecord = "%MSG";

// The paths of the files the statements name, in the running script's
// directory: FILE's table as named (cut at kFilePathMax), CMTFILE's file
// with its name folded, and GETRCMSG's and DSPCMT's folded as a whole
// within `limit` characters (the whole looked for in `sources`, or on the
// disk).
std::string TableFilePath(std::string_view scriptDir, std::string_view name);
std::string CommentFilePath(std::string_view scriptDir, std::string_view name);
std::string FoldedFilePath(ScriptSources* sources, std::string_view scriptDir, std::string_view name,
                           std::size_t limit);
std::string FoldedFilePath(std::string_view scriptDir, std::string_view name, std::size_t limit);

// FILE,table,key,rec1,rec2...: the table row whose first field is the key
// gives its field 1 to rec1, field 2 to rec2 and so on ("-" skips one).
StatementFlow cmdFile(StatementCall& call);
// CMTFILE,file,record  REC,condition,section ...  \CMTFILE: the section of
// the first row whose condition holds goes into the record. Only reached
// in a run with RunComment; the keyword table ends any other run here.
StatementFlow cmdCmtFile(StatementCall& call);
// GETRCMSG,record,file,section,arg1...arg10: a message section with its
// argument markers filled in.
StatementFlow cmdGetRcMsg(StatementCall& call);
// DSPCMT,record,file: every line of the file.
StatementFlow cmdDspCmt(StatementCall& call);

}  // namespace rcv
