#pragma once

#include <QWidget>
#include <functional>

namespace rotaline {

// Calls `then` once, from the event loop, after `window` has first been painted (or a moment
// after it was shown, when it is not painted): for work the first sight of it does not need.
void afterFirstPaint(QWidget& window, std::function<void()> then);

}  // namespace rotaline
