// FILE, CMTFILE, GETRCMSG and DSPCMT: the statements that read companion
// files in the running script's directory.
#pragma once

#include "dict/statement.h"

namespace rcv {

StatementFlow cmdFile(StatementCall& call);
// Only reached in a run with RunComment; the keyword table ends any other
// run at a CMTFILE line.
StatementFlow cmdCmtFile(StatementCall& call);
StatementFlow cmdGetRcMsg(StatementCall& call);
StatementFlow cmdDspCmt(StatementCall& call);

}  // namespace rcv
