// COMMENT, SET, DEFINE and SETLANG: the statements that put values into
// placeholder records and $ variables.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dict/interp/statement.h"

namespace rcv {

// A record that COMMENT or SET creates holds at most this many characters.
inline constexpr std::size_t kNewRecordTextMax = 255;
// Keywords, conditions, values and record names of a DEFINE block hold at
// most this many characters each.
inline constexpr std::size_t kDefineTextMax = 95;
// A DEFINE block is looked for up to this line index; its columns run from
// field 2 up to this field.
inline constexpr std::size_t kBlockLineLimit = 99999;
inline constexpr std::size_t kDefineColumnLimit = 199;
// A continuation row's condition is "*" within its first characters.
inline constexpr std::size_t kContinuationConditionMax = 9;
inline constexpr std::string_view kDefineEndKeyword = "\\DEFINE";
inline constexpr std::string_view kDefineRowKeyword = "REC";
// "$_N" after DEFINE and GETRCMSG: whether they found nothing.
inline constexpr std::string_view kNothingFoundVariable = "$_N";

// COMMENT,record,value: adds the value (brace terms expanded) to the record.
StatementFlow cmdComment(StatementCall& call);
// SET,name,value: "$name" sets a variable, "%name" makes the record hold
// this one value.
StatementFlow cmdSet(StatementCall& call);
// DEFINE,_,rec2,rec3... then REC,condition,v2,v3... rows up to \DEFINE.
StatementFlow cmdDefine(StatementCall& call);
// SETLANG,$name: the language digit of the run ("1" Japanese, "2" English).
StatementFlow cmdSetLang(StatementCall& call);

// The end of the lines a DEFINE or CMTFILE block may reach: up to
// kBlockLineLimit, and no further than the script goes (lines past its end
// read as empty, which a block passes over).
std::size_t BlockLineEnd(const SearchContext& context);

// What SET does with a name and a value; DEFINE and GETRCMSG set "$_N"
// through it.
void SetNamedValue(std::string_view name, std::string value, SearchContext& context);

}  // namespace rcv
