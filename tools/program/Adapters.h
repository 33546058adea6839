#pragma once

#include "program/Arguments.h"

namespace rotaline {

// --adapters [--format text|json] [--lang en|zh]: prints the adapters this machine shows and
// returns 0 when one can be used, 1 when none can, 2 when the system shows nothing to judge.
int runAdaptersCommand(const Request& request);

}  // namespace rotaline
