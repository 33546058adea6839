// Starts the programmer's form on the real settings store, opens one file name, and prints
// the recent-file entries the File menu then shows.
#include <QApplication>
#include <cstdio>

#include "platform/QSettingsStore.h"
#include "support/FakeSerialPort.h"
#include "support/ScriptedDialogs.h"
#include "ui/MainWindow.h"
#include "window/MainForm.h"

using namespace rotaline;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QSettingsStore settings;
    testing::FakeSerialPort port;
    ProgrammingLink link(port);
    testing::ScriptedDialogs dialogs;
    MainForm form(link, dialogs, settings);
    MainWindow window(form);
    form.Form_Load();
    window.show();
    if (argc > 1) {
        dialogs.nextFileName(QString::fromLocal8Bit(argv[1]));
        form.mnuOpen_Click();
        dialogs.clear();  // the file need not exist: only the list is of interest
    }
    for (int i = 1; i <= 4; ++i) {
        const Control& entry = *form.controls().mnuFileMRU[i];
        if (entry.isVisible()) {
            std::printf("%s\n", qPrintable(entry.caption()));
        }
    }
    return 0;
}
