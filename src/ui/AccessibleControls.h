#pragma once

namespace rotaline {

// Qt on Linux names a drop-down list by the entry it shows, whatever name it was given, and
// reads option buttons that are not auto-exclusive (ours: the form decides which is selected)
// as check boxes. From this call on, a list is named by its accessible name, with the entry as
// its value, and option buttons are radio buttons.
void installAccessibleControls();

}  // namespace rotaline
