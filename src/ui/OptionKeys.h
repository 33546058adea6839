#pragma once

#include <QList>

class QRadioButton;

namespace rotaline {

class OptionGroup;

// Makes an option group one Tab stop, its selected button, and lets the arrow keys move to the
// previous (Left, Up) or next (Right, Down) button and click it as the mouse does.
void bindOptionKeys(OptionGroup& group, const QList<QRadioButton*>& buttons);

}  // namespace rotaline
