#include "ui/MenuKeys.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

namespace rotaline {

void bindMenuKeys(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        for (QAction* title : bar->actions()) {
            if (title->isVisible() && title->isEnabled()) {
                bar->setActiveAction(title);
                return;
            }
        }
    });
}

}  // namespace rotaline
