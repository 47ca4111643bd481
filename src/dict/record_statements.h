// COMMENT, SET, DEFINE and SETLANG: the statements that put values into
// placeholder records and $ variables.
#pragma once

#include "dict/statement.h"

namespace rcv {

StatementFlow cmdComment(StatementCall& call);
StatementFlow cmdSet(StatementCall& call);
StatementFlow cmdDefine(StatementCall& call);
StatementFlow cmdSetLang(StatementCall& call);

}  // namespace rcv
