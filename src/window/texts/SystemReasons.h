#pragma once

#include <QString>

#include "model/Languages.h"

namespace rotaline {

// A reason the platform layer gave in English ("It is read-only.", "COM5 cannot be opened:
// Invalid parameter") in `language`: our own sentences translated, the names and the system's
// own words in them kept as they are; a reason of the system's alone stays as it is.
QString reasonIn(const QString& reason, const Language& language);

// A path as this system writes it, for the eye only ("C:\Users\…" on Windows): what is stored
// keeps Qt's "/".
QString shownPath(const QString& path);

}  // namespace rotaline
