#include "app/Programmer.h"

#include <QCoreApplication>

#include "about/SystemInformation.h"
#include "link/ProgrammingLink.h"
#include "platform/ExitSignals.h"
#include "platform/PortResolver.h"
#include "platform/QSettingsStore.h"
#include "platform/QtSerialPort.h"
#include "platform/Registry.h"
#include "platform/SystemLauncher.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"
#include "window/MainForm.h"

namespace rotaline {

struct Programmer::Parts {
    QSettingsStore settings;
    PortResolver resolver{settings};
    QtSerialPort port{[this](int number) { return resolver.deviceFor(number); }};
    ProgrammingLink link{port};
    QtDialogs dialogs;
    MainForm form{link, dialogs, settings};
    NoRegistry registry;
    SystemLauncher launcher;
    QtDialogs aboutDialogs;
    MainWindow window{form};
    ExitSignals exitSignals;
};

Programmer::Programmer() : parts_(std::make_unique<Parts>()) {
    Parts& p = *parts_;
    p.window.setSystemInformation([&p] { StartSysInfo(p.registry, p.launcher, p.aboutDialogs); });
    p.dialogs.setParent(&p.window);
    p.window.setPortDescriber([&p](int number) { return p.resolver.describe(number); });
    // A signal ends the program even while the About dialog is still open.
    QObject::connect(&p.exitSignals, &ExitSignals::received, &p.window, [&p] {
        p.form.mnuExit_Click();
        QCoreApplication::quit();
    });
}

Programmer::~Programmer() = default;

void Programmer::start() {
    parts_->form.Form_Load();
    parts_->window.show();
}

MainForm& Programmer::form() {
    return parts_->form;
}

}  // namespace rotaline
