#pragma once

class QMainWindow;

namespace rotaline {

// The keyboard reaches the menu bar in every language, whatever access keys its captions carry:
// F10 opens the first menu, as on GNOME and Windows (Alt let go alone marks the first title
// for the arrow keys, as Qt's menu bar does itself).
void bindMenuKeys(QMainWindow& window);

}  // namespace rotaline
