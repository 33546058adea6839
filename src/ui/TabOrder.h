#pragma once

#include <QList>

class QWidget;

namespace rotaline {

// One Tab stop: a widget, or the buttons of an option group.
using TabStop = QList<QWidget*>;

// Tab goes through `window` as one reads it: its blocks (the groups drawn on the window, and the
// controls outside them) row by row from the left, and inside a block column by column. Stops
// that share a place keep the order given.
void setReadingTabOrder(const QWidget* window, const QList<TabStop>& stops);

}  // namespace rotaline
