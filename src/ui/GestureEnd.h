#pragma once

namespace rotaline {

// Ends what the mouse or the keyboard is doing, before a modal window comes up: the control
// pressed gets its release (a held scroll-bar arrow stops repeating), an open list closes, and a
// key held down is ignored until it is let go. The box would otherwise take the release, and the
// control would go on acting on its own behind it and after it.
void endGesture();
// Starts following presses and keys, before the first gesture there is to end.
void followGestures();

}  // namespace rotaline
