#pragma once

#include "program/Arguments.h"

namespace rotaline {

// --adapters [--format text|json] [--lang en|zh]: prints the adapters this machine shows and
// returns 0 when one on USB can be used, 1 when none can, 2 when sysfs cannot be read.
int runAdaptersCommand(const Request& request);

}  // namespace rotaline
