#pragma once

// The registry the About dialog's System Info reads: Windows' own.
#include "platform/windows/WinRegistry.h"

namespace rotaline {
using SystemRegistry = WinRegistry;
}
