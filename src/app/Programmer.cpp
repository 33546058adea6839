#include "app/Programmer.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <utility>

#include "about/SystemInformation.h"
#include "link/ProgrammingLink.h"
#include "platform/AdapterDiagnosis.h"
#include "platform/DevicePath.h"
#include "platform/DeviceWatch.h"
#include "platform/ExitSignals.h"
#include "platform/PortResolver.h"
#include "platform/Printable.h"
#include "platform/QSettingsStore.h"
#include "platform/QtSerialPort.h"
#include "platform/SerialDevices.h"
#include "platform/SystemLauncher.h"
#include "system/SystemRegistry.h"
#include "ui/AdaptersDialog.h"
#include "ui/FinishingDialog.h"
#include "ui/FirstPaint.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"
#include "ui/SheetCommands.h"
#include "window/form/MainForm.h"
#include "window/port/PortHelp.h"
#include "window/texts/SystemReasons.h"
#include "window/texts/Texts.h"

namespace rotaline {

// Signals stay handled until the port, declared after them, has closed.
struct Programmer::Parts {
    ExitSignals exitSignals;
    QSettingsStore settings;
    PortResolver resolver{settings};
    QtSerialPort port{[this](int number) { return resolver.assignmentOf(number); }};
    ProgrammingLink link{port};
    QtDialogs dialogs{&settings};
    MainForm form{link, dialogs, settings};
    SendJournal journal;
    SystemRegistry registry;
    SystemLauncher launcher;
    QtDialogs aboutDialogs;
    MainWindow window{form};
    SheetCommands sheets{form, dialogs, &window, defaultJournalPath()};
    DeviceWatch devices;
    QPointer<AdaptersDialog> adapters;
    QPointer<FinishingDialog> finishing;
    bool ending = false;  // a signal came
    int exitStatus = 0;

    // What was still on the line was not sent: the first reason counts.
    void gaveUp(int status) { exitStatus = exitStatus == 0 ? status : exitStatus; }
};

Programmer::Programmer() : parts_(std::make_unique<Parts>()) {
    Parts& p = *parts_;
    p.window.setSystemInformation([&p] { StartSysInfo(p.registry, p.launcher, p.aboutDialogs); });
    p.dialogs.setParent(&p.window);
    p.form.setJournal(&p.journal, [&p](int position) {
        return std::pair(QStringLiteral("COM%1").arg(position + 1),
                         p.resolver.deviceFor(position + 1));
    });
    p.window.setPortList(
        [&p](int number) {
            return PortEntry{p.resolver.deviceFor(number), p.resolver.isPresent(number),
                             p.resolver.describe(number)};
        },
        [&p](int number) { p.resolver.choose(number); });
    p.window.setAdapters([this] { showAdapters(); });
    p.window.setSheetCommands(&p.sheets);
    // Told once the window's events run, never in the middle of a command.
    p.settings.onTrouble([&p](const StoreTrouble& trouble) {
        QTimer::singleShot(0, &p.window, [&p, trouble] {
            const char* text = trouble.unread ? texts::SettingsUnread : texts::SettingsNotKept;
            const Language& language = *p.form.flags().language;
            p.dialogs.message(filled(texts::Messages(language, text),
                                     {shownPath(trouble.file), reasonIn(trouble.reason, language)}),
                              Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        });
    });
    p.journal.onFailure([&p](const QString& reason) {
        QMetaObject::invokeMethod(
            &p.window,
            [&p, reason] {
                p.dialogs.message(
                    filled(texts::Messages(*p.form.flags().language, texts::JournalNotKept),
                           {reason}),
                    Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
            },
            Qt::QueuedConnection);
    });
    QObject::connect(&p.window, &MainWindow::closed, &p.window, [this] { finishSending(); });
    QObject::connect(&p.devices, &DeviceWatch::changed, &p.window, [&p] {
        if (p.resolver.isPresent(p.form.controls().ComboCOM->listIndex() + 1)) {
            p.form.deviceReturned();
        }
    });
    QObject::connect(&p.exitSignals, &ExitSignals::received, &p.window,
                     [this](int signal) { endOnSignal(signal); });
}

// A signal ends the program as Exit does, once the line is idle: a message box, a file dialog,
// the About box or the adapters window open at that moment is closed first, so that nothing
// waits for an answer nobody will give. Exit comes once the handler that opened a box has run
// to its end, so that nothing it still sends finds the port closed. While the line is being
// finished the user has already asked to quit, and it goes on. A second signal gives up what
// is still on the line, as Quit now does.
void Programmer::endOnSignal(int signal) {
    Parts& p = *parts_;
    const bool again = std::exchange(p.ending, true);
    if (again && p.port.isDraining()) {
        p.gaveUp(128 + signal);
        p.port.abandonDraining();
        return;
    }
    if (!p.finishing.isNull()) {
        // A failure the window shows waits for nobody once a signal came.
        if (!p.port.isDraining()) {
            p.finishing->close();
        }
        return;
    }
    if (again) {
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window);
            dialog != nullptr && dialog->isVisible()) {
            dialog->reject();
        }
    }
    QMetaObject::invokeMethod(
        &p.window,
        [&p] {
            p.form.mnuExit_Click();
            if (!p.port.isDraining()) {
                QCoreApplication::quit();
            }
            QObject::connect(&p.port, &SerialPort::lineIdle, qApp, &QCoreApplication::quit);
        },
        Qt::QueuedConnection);
}

Programmer::~Programmer() = default;

void Programmer::start(const QString& file) {
    Parts& p = *parts_;
    followAssignedDevices();
    p.form.Form_Load();
    p.window.show();
    // Looking through the system's serial devices draws nothing: the window comes first.
    afterFirstPaint(p.window, [this] { offerTheOneAdapter(); });
    // From the event loop, so that a signal can end a message box the file brings.
    if (!file.isEmpty()) {
        QTimer::singleShot(0, &p.window, [&p, file] { p.form.OpenSettingsFile(file); });
    }
}

// Never silently: with nothing assigned and one USB adapter plugged in, one click gives it COM1.
void Programmer::offerTheOneAdapter() {
    Parts& p = *parts_;
    const std::optional<SerialDevice> adapter = p.resolver.adapterToOffer(presentSerialDevices());
    if (!adapter) {
        return;
    }
    const QString name = adapter->identity.isEmpty() ? adapter->path : adapter->identity;
    const auto text = [name](const Language& language) { return adapterOfferText(name, language); };
    p.window.offer(text, [&p, stable = adapter->stableName] {
        p.resolver.assign(stable, 1);
        p.form.adapterAssigned(1, 0);
    });
}

// Bytes still on the line are sent before the program ends: the program goes on while the
// finishing window shows, and ends when the window closes. Whatever did not leave, given up or
// lost, is one failed send for the exit status, as for the journal.
void Programmer::finishSending() {
    Parts& p = *parts_;
    if (!p.port.isDraining()) {
        return;
    }
    p.finishing = new FinishingDialog([&p] { return p.form.lineStatus(); },
                                      [&p] { p.port.abandonDraining(); }, *p.form.flags().language);
    QObject::connect(&p.port, &SerialPort::lineIdle, p.finishing, &FinishingDialog::finished);
    QObject::connect(&p.port, &SerialPort::sendingFailed, p.finishing, [&p](PortProblem problem) {
        p.gaveUp(NotAllSent);
        if (p.ending) {
            p.finishing->finished();
        } else if (problem != PortProblem::GivenUp) {  // Quit now closes the window itself
            p.finishing->failed(p.form.lineStatus().text);
        }
    });
    p.finishing->show();
}

// One window at a time; an assignment that changes the COM number selected takes effect at once.
void Programmer::showAdapters() {
    Parts& p = *parts_;
    if (p.adapters.isNull()) {
        p.adapters = new AdaptersDialog(
            p.resolver, [] { return surveyAdapters(); }, *p.form.flags().language, &p.window);
        p.adapters->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(&p.devices, &DeviceWatch::changed, p.adapters, &AdaptersDialog::refresh);
        QObject::connect(p.adapters, &AdaptersDialog::assigned, &p.window,
                         [this, &p](int portNumber, int previousNumber) {
                             followAssignedDevices();
                             p.form.adapterAssigned(portNumber, previousNumber);
                         });
    }
    p.adapters->show();
    p.adapters->raise();
    p.adapters->activateWindow();
}

// A device given a COM number by hand may lie in a folder of its own.
void Programmer::followAssignedDevices() {
    Parts& p = *parts_;
    for (int number = 1; number <= PortCount; ++number) {
        if (const QString device = p.resolver.deviceFor(number); !device.isEmpty()) {
            p.devices.follow(devicePath(device));
        }
    }
}

int Programmer::exec() {
    const int status = QApplication::exec();
    return status != 0 ? status : parts_->exitStatus;
}

MainForm& Programmer::form() {
    return parts_->form;
}

}  // namespace rotaline
