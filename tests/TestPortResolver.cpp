#include <QTemporaryDir>
#include <QtTest>

#include "platform/PortResolver.h"
#include "platform/QtSerialPort.h"
#include "pty/PseudoTerminal.h"
#include "support/MemorySettingsStore.h"

using namespace rotaline;
using namespace rotaline::testing;

class TestPortResolver : public QObject {
    Q_OBJECT
private slots:
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

    // Two adapters plugged in either order keep their numbers: each is known by its link.
    void anAssignmentFollowsTheAdapterToItsNewDevice() {
        PseudoTerminal first;
        PseudoTerminal second;
        QTemporaryDir byId;
        const QString link = byId.filePath(QStringLiteral("usb-FTDI_A-if00-port0"));
        QVERIFY(QFile::link(QString::fromStdString(first.slavePath()), link));
        QCOMPARE(PortResolver::stableNameOf(QString::fromStdString(first.slavePath()), byId.path()),
                 link);
        QCOMPARE(
            PortResolver::stableNameOf(QString::fromStdString(second.slavePath()), byId.path()),
            QString::fromStdString(second.slavePath()));
        MemorySettingsStore store;
        PortResolver resolver(store);
        resolver.assign(link, 1);

        QFile::remove(link);
        QVERIFY(QFile::link(QString::fromStdString(second.slavePath()), link));
        QtSerialPort port([&resolver](int n) { return resolver.deviceFor(n); });
        QVERIFY(port.open());
        QVERIFY(port.write("\xAA\x55"));
        QCOMPARE(second.read(std::chrono::milliseconds(1000)), std::string("\xAA\x55"));
        QVERIFY(first.read(std::chrono::milliseconds(100)).empty());
    }
};

QTEST_GUILESS_MAIN(TestPortResolver)
#include "TestPortResolver.moc"
