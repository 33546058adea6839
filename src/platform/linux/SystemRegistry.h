#pragma once

// The registry the About dialog's System Info reads: none.
#include "platform/Registry.h"

namespace rotaline {
using SystemRegistry = NoRegistry;
}
