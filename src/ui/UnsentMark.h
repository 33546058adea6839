#pragma once

#include <QColor>
#include <QList>

class QPalette;
class QWidget;

namespace rotaline {

class Control;

// The colour that marks a group whose setting the controller lacks: dark red on light windows,
// light red on dark ones, so that it stands out from the window and carries the window's colour
// as text.
QColor unsentColour(const QPalette& palette);

// While `control` has an unsent mark, the group box around `shown` (its widgets) is framed in
// the mark's colour with a "!" in its top right corner, and each of `shown` says the mark in its
// accessible description.
void bindUnsentMark(Control& control, const QList<QWidget*>& shown);

}  // namespace rotaline
