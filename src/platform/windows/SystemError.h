#pragma once

#include <QString>

namespace rotaline {

// The system's text for an error code of GetLastError, without its line end.
QString systemMessage(unsigned long code);
// The same for the calling thread's last error.
QString lastSystemMessage();

}  // namespace rotaline
