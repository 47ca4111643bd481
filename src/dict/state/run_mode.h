// The bits with which a dictionary run is driven: what the outermost run
// collects at its end, and which language SETLANG reports.
#pragma once

namespace rcv {

using RunMode = unsigned;

// CollectFruRows fills the ScriptOutput and its count becomes the result.
inline constexpr RunMode RunFru = 1;
// CollectComment builds the comment text; CMTFILE blocks are carried out.
inline constexpr RunMode RunComment = 2;
// SETLANG yields "1".
inline constexpr RunMode RunLangJp = 4;
// SETLANG yields "2"; wins over RunLangJp.
inline constexpr RunMode RunLangUs = 8;

// What GetRcInfo asks for.
inline constexpr RunMode kRcInfoRunMode = RunFru | RunComment;

inline bool HasMode(RunMode mode, RunMode bit) { return (mode & bit) != 0; }

}  // namespace rcv
