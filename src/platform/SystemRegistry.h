#pragma once

// The registry the About dialog's System Info reads: Windows' own, none elsewhere.
#include "platform/Registry.h"
#ifdef _WIN32
#include "platform/windows/WinRegistry.h"
namespace rotaline {
using SystemRegistry = WinRegistry;
}
#else
namespace rotaline {
using SystemRegistry = NoRegistry;
}
#endif
