#pragma once

#include <QList>

class QWidget;

namespace rotaline {

class Control;

// While `control` has an unsent mark, the group box around `shown` (its widgets) is framed in
// red with a "!" in its bottom right corner, or, for a mark that advises, dashed in blue with an
// "i"; the mark, hovered, and each of `shown`, hovered, show the mark's words before their own
// hint, and each of `shown` says them in its accessible description.
void bindUnsentMark(Control& control, const QList<QWidget*>& shown);

}  // namespace rotaline
