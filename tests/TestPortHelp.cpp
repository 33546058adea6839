#include <unistd.h>

#include <QFile>
#include <QtTest>

#include "platform/PortResolver.h"
#include "platform/QtSerialPort.h"
#include "pty/PseudoTerminal.h"
#include "support/FormFixture.h"
#include "support/RecordingHost.h"

using namespace rotaline;
using namespace rotaline::testing;

Q_DECLARE_METATYPE(rotaline::PortProblem)

namespace {

using Start = FormFixture::Start;

QString lampHelpAfter(PortProblem problem) {
    FormFixture f(Start::Loaded);
    f.port.failNextOpen(problem);
    f.controls.ComboCOM->setListIndex(2);
    return f.controls.ImageOff->toolTip();
}

}  // namespace

class TestPortHelp : public QObject {
    Q_OBJECT
private slots:
    void theLampSaysWhyAndHowToFixIt_data() {
        QTest::addColumn<PortProblem>("problem");
        QTest::addColumn<QString>("fix");
        QTest::newRow("permission")
            << PortProblem::PermissionDenied
            << "Add yourself to the dialout group with \"sudo adduser $USER dialout\", then log "
               "out "
               "and in again (or give the adapter a udev rule with TAG+=\"uaccess\").";
        QTest::newRow("busy") << PortProblem::Busy
                              << "Close the other program and choose the port again.";
        QTest::newRow("absent")
            << PortProblem::Absent
            << "Plug in the adapter, or choose another one for COM3 in File > Serial adapters...";
        QTest::newRow("unassigned")
            << PortProblem::Unassigned
            << "Choose the adapter for COM3 in File > Serial adapters... (or click the lamp).";
        QTest::newRow("brltty") << PortProblem::TakenByBrltty
                                << "remove it (\"sudo apt remove brltty\") and plug the adapter in "
                                   "again.";
        QTest::newRow("ModemManager") << PortProblem::ProbedByModemManager
                                      << "or stop it with \"sudo systemctl stop ModemManager\".";
    }
    void theLampSaysWhyAndHowToFixIt() {
        QFETCH(PortProblem, problem);
        QFETCH(QString, fix);
        const QString help = lampHelpAfter(problem);
        QVERIFY2(help.startsWith(QStringLiteral("The device is not present.\n")), qPrintable(help));
        QVERIFY2(help.endsWith(fix), qPrintable(help));
    }

    void theWindowIsToldTheSameHelpAfterAFailedSelectionOrSend() {
        FormFixture f(Start::Loaded);
        RecordingHost host;
        f.form.setHost(&host);
        f.port.failNextOpen(PortProblem::Busy);
        f.controls.ComboCOM->setListIndex(2);
        f.port.failNextWrite();
        f.controls.OptionBrake->select(3);

        QCOMPARE(host.problems.size(), 2);
        QCOMPARE(host.problems.first(), f.controls.ImageOff->toolTip());
        QVERIFY(host.problems.last().startsWith(QStringLiteral("The device is not usable.")));
        QCOMPARE(f.dialogs.texts(),
                 QStringList({"COM3 is invalild ! \r\nPlease slect other COM port !"}));
    }

    // Printers and boards on the desk are serial devices too: none is opened unless chosen.
    void startUpWithNothingAssignedOpensNoDevice() {
        MemorySettingsStore store;
        PortResolver resolver(store);
        QtSerialPort port([&resolver](int n) { return resolver.deviceFor(n); });
        ProgrammingLink link(port);
        ScriptedDialogs dialogs;
        MainForm form(link, dialogs, store);

        form.Form_Load();

        QCOMPARE(form.controls().Text1->text(), QStringLiteral("COM1 port is invalid !\r\n"));
        QCOMPARE(port.problem(), PortProblem::Unassigned);
        QVERIFY(form.controls().ImageOff->isVisible());
        QVERIFY(dialogs.shown().isEmpty());
        QVERIFY(!port.isOpen());
    }

    void aSuccessfulSelectionClearsTheHelp() {
        FormFixture f(Start::Loaded);
        f.port.failNextOpen();
        f.controls.ComboCOM->setListIndex(2);
        f.controls.ComboCOM->setListIndex(3);
        QCOMPARE(f.controls.ImageOff->toolTip(), QString());
        QCOMPARE(f.note().count(QStringLiteral("COM3 port is invalid !")), 1);
    }

    void anUnreadableDeviceIsForbidden() {
        PseudoTerminal adapter;
        if (!adapter.isOpen() || geteuid() == 0) {
            QSKIP("needs pseudo-terminals and a user whom permissions bind");
        }
        const QString device = QString::fromStdString(adapter.slavePath());
        QFile::setPermissions(device, QFileDevice::Permissions());
        QtSerialPort forbidden([&](int) { return device; });
        QVERIFY(!forbidden.open());
        QCOMPARE(forbidden.problem(), PortProblem::PermissionDenied);
    }
};

QTEST_GUILESS_MAIN(TestPortHelp)
#include "TestPortHelp.moc"
