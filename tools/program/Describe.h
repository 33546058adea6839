#pragma once

#include "program/Arguments.h"

namespace rotaline {

// --describe [--format text|json] [--lang en|zh|de] FILE, or --diff [--lang en|zh|de] A B: prints
// what the files set and returns the exit status.
int runDescribeCommand(const Request& request);

}  // namespace rotaline
