#pragma once

#include <QObject>

class QWidget;

namespace rotaline {

// A wheel turn changes a guarded control (a list, the timing bar) only while it has the
// keyboard focus, taken by a click or by Tab; otherwise the turn goes on to the window, so that
// scrolling past a control never reprograms the controller. Clicks and keys are left alone.
void guardWheel(QWidget* control);

}  // namespace rotaline
