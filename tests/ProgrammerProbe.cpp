// Starts the programmer as a user does, makes one change so that its port stays open, says
// "ready" and runs until something ends it. Asked "missing-file", it opens a file that is not
// there; "model", it chooses a model, which keeps a slow line busy; "port round trip", it then
// chooses COM2 and COM1 again, taking back the port still draining; a menu command ("mnuOpen",
// "mnuAbout", "mnuAdapters", "mnuExit"), it chooses it. Dialogs coming and going are told as
// "shown CLASS" and "closed CLASS".
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>

#include "app/Programmer.h"
#include "window/form/MainForm.h"

using namespace rotaline;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList asked = app.arguments().mid(1);
    Programmer programmer;
    programmer.start(asked.contains("missing-file") ? "/rotaline-missing.esc" : QString());
    Controls& c = programmer.form().controls();
    dynamic_cast<OptionGroup&>(*programmer.form().find("OptionBrake")).select(4);
    if (asked.contains("model")) {
        c.ComboCTRmodel[0]->setListIndex(1);
    }
    if (asked.contains("port round trip")) {
        c.ComboCOM->setListIndex(1);
        c.ComboCOM->setListIndex(0);
    }
    for (Control* command : {c.mnuOpen, c.mnuAbout, c.mnuAdapters, c.mnuExit}) {
        if (asked.contains(command->name())) {
            QTimer::singleShot(0, [command] { command->click(); });
        }
    }
    QStringList shown;  // class names of the dialogs on screen
    QTimer watching;
    QObject::connect(&watching, &QTimer::timeout, [&shown] {
        QStringList now;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<QDialog*>(window) && window->isVisible()) {
                now << window->metaObject()->className();
            }
        }
        for (const auto& [from, to, word] :
             {std::tuple{&shown, &now, "closed"}, {&now, &shown, "shown"}}) {
            for (const QString& name : *from) {
                if (!to->contains(name)) {
                    std::printf("%s %s\n", word, qPrintable(name));
                }
            }
        }
        std::fflush(stdout);
        shown = now;
    });
    watching.start(50);
    std::printf("ready\n");
    std::fflush(stdout);
    return programmer.exec();
}
