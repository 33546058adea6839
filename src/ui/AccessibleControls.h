#pragma once

namespace rotaline {

// Qt reads option buttons that are not auto-exclusive (ours: the form decides which is
// selected) as check boxes. From this call on they are radio buttons, and a list says the entry
// it shows and what it sets as screen readers of the platform hear them: on Linux named by the
// entry and labelled by its accessible name, elsewhere named by that name with the entry as its
// value. A list that shows no entry says the greyed text it shows in its place.
void installAccessibleControls();

}  // namespace rotaline
