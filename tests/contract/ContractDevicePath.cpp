#include <QtTest>

#include "contract/ThisSystem.h"
#include "platform/DevicePath.h"
#include "platform/PortResolver.h"
#include "support/MemorySettingsStore.h"

using namespace rotaline;
using namespace rotaline::testing;

// One port, one name, on every system: the open, the adapters window and the journal meet the
// same device however the user typed it, and only a port the user chose is ever opened.
class ContractDevicePath : public QObject {
    Q_OBJECT
private slots:
    void aPortIsNamedAsTheUserSeesIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("port");
        QTest::addColumn<QString>("notShown");
        const auto row = [](const char* name, QStringList onLinux, QStringList onWindows,
                            bool portOnWindows = true, const QString& notShown = {}) {
            const QStringList pair = onThisSystem(onLinux, onWindows);
            QTest::newRow(name) << pair.value(0) << pair.value(1)
                                << onThisSystem(true, portOnWindows) << notShown;
        };
        row("a name alone", {"ttyUSB0", "/dev/ttyUSB0"}, {"COM5", "COM5"});
        row("under the system's folder of devices", {"/dev/ttyUSB0", "/dev/ttyUSB0"},
            {"\\\\.\\COM255", "COM255"});
        row("another driver's", {"/dev/rfcomm0", "/dev/rfcomm0"}, {"\\\\.\\CNCA0", "CNCA0"}, false);
        const QString windowsOnly =
            onThisSystem(QString("Linux numbers no ports of its own"), QString());
        row("in other letters", {}, {"com23", "COM23"}, true, windowsOnly);
        row("a number the system gives no port", {}, {"com0", "com0"}, false, windowsOnly);
        row("a number past the last port", {}, {"COM256", "COM256"}, false, windowsOnly);
        // The ANSI code page's best fit would make COM1 of it.
        row("in full-width letters", {}, {"ＣＯＭ１", "ＣＯＭ１"}, false, windowsOnly);
    }
    // A name that is no port's is refused before anything is opened, even where the system's
    // code page would make a port of it.
    void aPortIsNamedAsTheUserSeesIt() {
        QFETCH(QString, typed);
        QFETCH(QString, device);
        QFETCH(bool, port);
        QFETCH(QString, notShown);
        SKIP_WHERE_NOT_SHOWN(notShown);
        QCOMPARE(isDeviceName(typed), port);
        QCOMPARE(devicePath(typed), device);
        QCOMPARE(typedDevice(typed), device);
        QCOMPARE(PortResolver::stableNameOf(typed), device);
        MemorySettingsStore store;
        store.setValue("Ports", "COM3", typed);
        QCOMPARE(PortResolver(store).deviceFor(3), device);
    }

    // Given COM5 given to an adapter and COM3 to another port, when the user chooses numbers in
    // the port list, then only those lead to the system's own port of the number (where it
    // numbers its ports): a fresh profile opens nothing, and no number takes a port another
    // number has.
    void onlyAChosenNumberLeadsToTheSystemsPort_data() {
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QString>("com1");
        QTest::newRow("fresh profile") << QList<int>{} << "";
        QTest::newRow("COM2, then COM1") << QList<int>{2, 1} << onThisSystem(QString(), "COM1");
        QTest::newRow("COM5 keeps its adapter") << QList<int>{5} << "";
    }
    void onlyAChosenNumberLeadsToTheSystemsPort() {
        QFETCH(QList<int>, chosen);
        QFETCH(QString, com1);
        const QString adapter = onThisSystem("/dev/serial/by-id/usb-FTDI_A-if00-port0", "COM23");
        MemorySettingsStore store;
        store.setValue("Ports", "COM1", "  ");  // as good as none
        PortResolver resolver(store);
        resolver.assign(adapter, 5);
        resolver.assign(onThisSystem("/dev/ttyS1", "COM2"), 3);
        for (const int number : chosen) {
            resolver.choose(number);
        }
        QCOMPARE((QStringList{resolver.deviceFor(1), resolver.deviceFor(2), resolver.deviceFor(5)}),
                 (QStringList{com1, "", adapter}));
        QVERIFY(resolver.describe(1).startsWith(
            "COM1: " + (com1.isEmpty() ? QStringLiteral("no adapter assigned") : com1)));
        QCOMPARE(resolver.isOwnPort(1), !com1.isEmpty());
        QVERIFY(!resolver.isOwnPort(5));
    }
};

QTEST_GUILESS_MAIN(ContractDevicePath)
#include "ContractDevicePath.moc"
