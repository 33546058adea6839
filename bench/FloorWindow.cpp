// The least a Qt Widgets program of the programmer's shape pays to show its window: a fixed-size
// main window with a menu bar, four tabs and a status bar, and nothing else. The start-up
// benchmark measures the programmer against it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>

#include "ui/LayoutTable.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    for (const char* menu : {"&File", "&Language", "&Help"}) {
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    }
    auto* tabs = new QTabWidget(&window);
    for (const char* tab : {"Airplane", "Helicopter", "Boat", "Car"}) {
        tabs->addTab(new QWidget(tabs), QString::fromLatin1(tab));
    }
    window.setCentralWidget(tabs);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    // The programmer's client area with the bars above and below it.
    window.setFixedSize(rotaline::ClientWidth, rotaline::ClientHeight +
                                                   window.menuBar()->sizeHint().height() +
                                                   window.statusBar()->sizeHint().height());
    window.show();
    return app.exec();
}
