// The one place the process-wide dictionary is made.
#include <iostream>
#include <memory>

#include "dict/dictionary.h"

namespace rcv {
namespace {

Dictionary processDictionary(std::make_unique<DiskFiles>(), std::cout);

}  // namespace

Dictionary& ProcessDictionary() { return processDictionary; }

}  // namespace rcv
