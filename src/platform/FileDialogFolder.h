#pragma once

#include <QString>

namespace rotaline {

// The folder the first file dialog of a profile starts in, before one was chosen: "" for the
// folder the program started in (Linux, where that is where its user works), the user's
// Documents on Windows (where it is the program's own folder).
QString firstFileDialogFolder();

}  // namespace rotaline
