#pragma once

#include <QString>

namespace rotaline {

// Text from outside (a device's own strings, sysfs, the journal, file names) as it may be shown
// in a terminal or a table: control characters written out ("\x1b", "\n"), and so are the ones
// that break a line or turn the writing direction, so nothing it holds acts on the screen.
QString printable(const QString& text);

}  // namespace rotaline
