#include "app/Programmer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include "about/SystemInformation.h"
#include "link/ProgrammingLink.h"
#include "platform/ExitSignals.h"
#include "platform/PortResolver.h"
#include "platform/QSettingsStore.h"
#include "platform/QtSerialPort.h"
#include "platform/Registry.h"
#include "platform/SystemLauncher.h"
#include "ui/AdaptersDialog.h"
#include "ui/FinishingDialog.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"
#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

struct Programmer::Parts {
    QSettingsStore settings;
    PortResolver resolver{settings};
    QtSerialPort port{[this](int number) { return resolver.assignmentOf(number); }};
    ProgrammingLink link{port};
    QtDialogs dialogs{&settings};
    MainForm form{link, dialogs, settings};
    NoRegistry registry;
    SystemLauncher launcher;
    QtDialogs aboutDialogs;
    MainWindow window{form};
    ExitSignals exitSignals;
    QPointer<AdaptersDialog> adapters;
};

Programmer::Programmer() : parts_(std::make_unique<Parts>()) {
    Parts& p = *parts_;
    p.window.setSystemInformation([&p] { StartSysInfo(p.registry, p.launcher, p.aboutDialogs); });
    p.dialogs.setParent(&p.window);
    p.window.setPortDescriber([&p](int number) {
        return PortEntry{p.resolver.deviceFor(number), p.resolver.isPresent(number),
                         p.resolver.describe(number)};
    });
    p.window.setAdapters([this] { showAdapters(); });
    // Told once the window's events run, never in the middle of a command.
    p.settings.onTrouble([&p](const StoreTrouble& trouble) {
        QTimer::singleShot(0, &p.window, [&p, trouble] {
            const Bilingual& text = trouble.unread ? texts::SettingsUnread : texts::SettingsNotKept;
            p.dialogs.message(text.in(p.form.flags().chinese).arg(trouble.file, trouble.reason),
                              Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        });
    });
    QObject::connect(&p.window, &MainWindow::closed, &p.window, [this] { finishSending(); });
    // A signal ends the program as Exit does, once the line is idle, even while the About
    // dialog is still open.
    QObject::connect(&p.exitSignals, &ExitSignals::received, &p.window, [&p] {
        p.form.mnuExit_Click();
        if (!p.port.isDraining()) {
            QCoreApplication::quit();
        }
        QObject::connect(&p.port, &SerialPort::lineIdle, qApp, &QCoreApplication::quit);
    });
}

Programmer::~Programmer() = default;

void Programmer::start(const QString& file) {
    Parts& p = *parts_;
    p.form.Form_Load();
    offerTheOneAdapter();
    p.window.show();
    if (!file.isEmpty()) {
        p.form.OpenSettingsFile(file);
    }
}

// Never silently: with nothing assigned and one USB adapter plugged in, one click gives it COM1.
void Programmer::offerTheOneAdapter() {
    Parts& p = *parts_;
    const std::optional<SerialDevice> adapter =
        p.resolver.adapterToOffer(PortResolver::presentDevices());
    if (!adapter) {
        return;
    }
    const QString name = adapter->identity.isEmpty() ? adapter->path : adapter->identity;
    p.window.offer(QStringLiteral("Use %1 as COM1").arg(name), [&p, stable = adapter->stableName] {
        p.resolver.assign(stable, 1);
        if (p.form.controls().ComboCOM->listIndex() == 0) {
            p.form.ComboCOM_Click();
        }
    });
}

// Bytes still on the line are sent before the program ends: the program goes on while the
// finishing window shows, and ends when the window closes.
void Programmer::finishSending() {
    Parts& p = *parts_;
    if (!p.port.isDraining()) {
        return;
    }
    auto* finishing =
        new FinishingDialog([&p] { return p.form.lineStatus(); },
                            [&p] { p.port.abandonDraining(); }, p.form.flags().chinese);
    QObject::connect(&p.port, &SerialPort::lineIdle, finishing, &FinishingDialog::finished);
    finishing->show();
}

// One window at a time; assigning the COM number now selected selects it again at once.
void Programmer::showAdapters() {
    Parts& p = *parts_;
    if (p.adapters.isNull()) {
        p.adapters = new AdaptersDialog(
            p.resolver, [] { return PortResolver::presentDevices(); }, p.form.flags().chinese,
            &p.window);
        p.adapters->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(p.adapters, &AdaptersDialog::assigned, &p.window, [&p](int portNumber) {
            if (portNumber == p.form.controls().ComboCOM->listIndex() + 1) {
                p.form.ComboCOM_Click();
            }
        });
    }
    p.adapters->show();
    p.adapters->raise();
    p.adapters->activateWindow();
}

MainForm& Programmer::form() {
    return parts_->form;
}

}  // namespace rotaline
