#pragma once

#include "program/Arguments.h"

namespace rotaline {

// --history [--format text|json] [--lang en|zh] [--last N]: what each controller was left
// with, newest first; returns the exit status.
int runHistoryCommand(const Request& request);

// --sheet OUT.pdf [--lang en|zh] FILE: the file's setup sheet; returns the exit status.
int runSheetCommand(const Request& request);

}  // namespace rotaline
