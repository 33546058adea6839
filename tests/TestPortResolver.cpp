#include <QtTest>

#include "platform/PortResolver.h"
#include "platform/QtSerialPort.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "window/MainForm.h"

using namespace rotaline;
using namespace rotaline::testing;

// How COM numbers lead to devices; what the form does on a port is in the session transcripts.
class TestPortResolver : public QObject {
    Q_OBJECT
private slots:
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
        QVERIFY(!form.controls().ImageOn->isVisible());
        QVERIFY(dialogs.shown().isEmpty());
        QVERIFY(!port.isOpen());
    }

    void adaptersComeFirstInNaturalOrder() {
        QCOMPARE(PortResolver::ordered({"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyACM0",
                                        "/dev/ttyUSB2", "/dev/ttyS10"}),
                 QStringList({"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0",
                              "/dev/ttyS1", "/dev/ttyS10"}));
    }

    void onlyAnAssignedDeviceIsEverNamed() {
        MemorySettingsStore store;
        PortResolver resolver(store);
        QCOMPARE(resolver.deviceFor(1), QString());
        QCOMPARE(resolver.describe(1), QStringLiteral("COM1: no adapter assigned"));

        store.setValue("Ports", "COM1", "/dev/pts/7");
        store.setValue("Ports", "COM2", "  ");
        QCOMPARE(resolver.deviceFor(1), QStringLiteral("/dev/pts/7"));
        QCOMPARE(resolver.deviceFor(2), QString());
        QCOMPARE(resolver.describe(1), QStringLiteral("COM1: /dev/pts/7 (not present)"));
    }

    void aDeviceHasOneNumberAtATime() {
        MemorySettingsStore store;
        PortResolver resolver(store);
        const QString adapter = QStringLiteral("/dev/serial/by-id/usb-FTDI_A-if00-port0");
        resolver.assign(adapter, 2);
        resolver.assign(adapter, 5);
        QCOMPARE(resolver.portOf(adapter), 5);
        QCOMPARE(resolver.deviceFor(2), QString());
        resolver.assign(QStringLiteral("/dev/ttyUSB3"), 5);
        QCOMPARE(resolver.portOf(adapter), 0);
        resolver.assign(QStringLiteral("/dev/ttyUSB3"), 0);
        QCOMPARE(resolver.deviceFor(5), QString());
    }

    void theOneUsbAdapterIsOfferedOnlyWhenNothingIsAssigned() {
        MemorySettingsStore store;
        PortResolver resolver(store);
        const SerialDevice usb{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_A1", "FTDI"};
        const SerialDevice acm{"/dev/ttyACM0", "/dev/ttyACM0", "Arduino"};
        const SerialDevice board{"/dev/ttyS0", "/dev/ttyS0", ""};
        QCOMPARE(resolver.adapterToOffer({board, usb})->stableName, usb.stableName);
        QVERIFY(!resolver.adapterToOffer({usb, acm}));
        QVERIFY(!resolver.adapterToOffer({board}));
        resolver.assign(QStringLiteral("/dev/pts/3"), 7);
        QVERIFY(!resolver.adapterToOffer({usb}));
    }
};

QTEST_GUILESS_MAIN(TestPortResolver)
#include "TestPortResolver.moc"
