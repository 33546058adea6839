#pragma once

#include <QWidget>
#include <functional>

namespace rotaline {

// Calls `then` once, from the event loop, after `window` has first been painted: for work
// the first sight of the window does not need.
void afterFirstPaint(QWidget& window, std::function<void()> then);

}  // namespace rotaline
