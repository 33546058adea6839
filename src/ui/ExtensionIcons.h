#pragma once

namespace rotaline {

// The menu bar and the toolbar each make an arrow for the button that shows what does not fit,
// and Qt reads its pictures at once, trying every image plugin installed on the way. Our window
// has a fixed width that holds its menus and buttons, so those arrows wait until first drawn.
// Call once the application exists and before any window is made.
void drawExtensionArrowsWhenShown();

}  // namespace rotaline
