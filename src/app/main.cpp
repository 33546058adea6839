#include <QApplication>

#include "about/SystemInformation.h"
#include "link/ProgrammingLink.h"
#include "platform/PortResolver.h"
#include "platform/QSettingsStore.h"
#include "platform/QtDialogs.h"
#include "platform/QtSerialPort.h"
#include "platform/Registry.h"
#include "platform/SystemLauncher.h"
#include "ui/AboutDialog.h"
#include "ui/MainWindow.h"
#include "version.h"
#include "window/MainForm.h"

using namespace rotaline;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Rotaline"));
    QApplication::setApplicationName(QStringLiteral("Rotaline"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));

    QSettingsStore settings;
    const PortResolver resolver(settings);
    QtSerialPort port([&resolver](int number) { return resolver.deviceFor(number); });
    ProgrammingLink link(port);
    QtDialogs dialogs;
    MainForm form(link, dialogs, settings);
    NoRegistry registry;
    SystemLauncher launcher;
    QtDialogs aboutDialogs;
    form.onShowAbout = [&] {
        AboutDialog::showOnce([&] { StartSysInfo(registry, launcher, aboutDialogs); });
    };

    MainWindow window(form);
    dialogs.setParent(&window);
    window.setPortDescriber([&resolver](int number) { return resolver.describe(number); });
    form.onUnload = [&window] { window.close(); };
    form.Form_Load();
    window.show();
    return app.exec();
}
