// The detail of the maintenance record an index entry names.
#pragma once

#include <string_view>

#include "marlog/mar_config.h"
#include "shell/screen.h"

namespace rcv {

// 1 when the record was shown; -1 when its MAR file can't be read, after
// saying why and without showing any part of it.
int ShowMarRecord(Screen& screen, const MarConfig& config, std::string_view dirNameField);

}  // namespace rcv
