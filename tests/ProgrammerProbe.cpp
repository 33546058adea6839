// Starts the programmer as a user does, makes one change so that its port stays open, says
// "ready" and runs until something ends it. Asked "missing-file", it opens a file that is not
// there; "model", it chooses a model, which keeps a slow line busy; a menu command ("mnuOpen",
// "mnuAbout", "mnuAdapters"), it chooses it. Dialogs coming and going are told as
// "shown CLASS" and "closed CLASS".
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>

#include "app/Programmer.h"
#include "window/MainForm.h"

using namespace rotaline;

namespace {

// Tells each dialog as it is shown and as it goes.
struct DialogWatch : QObject {
    bool eventFilter(QObject* object, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::Hide) && qobject_cast<QDialog*>(object)) {
            std::printf("%s %s\n", type == QEvent::Show ? "shown" : "closed",
                        object->metaObject()->className());
            std::fflush(stdout);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DialogWatch watch;
    app.installEventFilter(&watch);
    const QStringList asked = app.arguments().mid(1);
    Programmer programmer;
    programmer.start(asked.contains("missing-file") ? "/rotaline-missing.esc" : QString());
    Controls& c = programmer.form().controls();
    c.OptionBrake->select(4);
    if (asked.contains("model")) {
        c.ComboCTRmodel[0]->setListIndex(1);
    }
    for (Control* command : {c.mnuOpen, c.mnuAbout, c.mnuAdapters}) {
        if (asked.contains(command->name())) {
            QTimer::singleShot(0, [command] { command->click(); });
        }
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
