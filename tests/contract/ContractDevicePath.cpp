#include <QtTest>

#include "contract/ThisSystem.h"
#include "platform/DevicePath.h"
#include "platform/PortResolver.h"
#include "support/DataFile.h"
#include "support/MemorySettingsStore.h"

using namespace rotaline;
using namespace rotaline::testing;

// One port, one name, on every system: the open, the adapters window and the journal meet the
// same device however the user typed it, and only a port the user chose is ever opened.
class ContractDevicePath : public QObject {
    Q_OBJECT
private slots:
    // The names of data/contract/device-paths.txt. A name that is no port's is refused before
    // anything is opened, even where the system's code page would make a port of it.
    void aPortIsNamedAsTheUserSeesIt_data() {
        addDataRows("row", TEST_DATA "/contract/device-paths.txt");
    }
    void aPortIsNamedAsTheUserSeesIt() {
        QFETCH(DataRow, row);
        SKIP_WHERE_NOT_SHOWN(onThisSystem(row.value("windows-only"), QString()));
        const QString typed = row.text("typed"), device = row.text("device");
        const bool port = row.text("port") != "no";
        QCOMPARE(isDeviceName(typed), port);
        QCOMPARE(devicePath(typed), device);
        QCOMPARE(typedDevice(typed), device);
        QCOMPARE(PortResolver::stableNameOf(typed), device);
        MemorySettingsStore store;
        store.setValue("Ports", "COM3", typed);
        QCOMPARE(PortResolver(store).deviceFor(3), device);
    }

    // Given COM5 given to an adapter and COM3 to another port, when the user chooses numbers in
    // the port list (data/contract/chosen-numbers.txt), then only those lead to the system's own
    // port of the number (where it numbers its ports): a fresh profile opens nothing, and no
    // number takes a port another number has.
    void onlyAChosenNumberLeadsToTheSystemsPort_data() {
        addDataRows("row", TEST_DATA "/contract/chosen-numbers.txt");
    }
    void onlyAChosenNumberLeadsToTheSystemsPort() {
        QFETCH(DataRow, row);
        const QString com1 = row.text("com1");
        const QString adapter = onThisSystem("/dev/serial/by-id/usb-FTDI_A-if00-port0", "COM23");
        MemorySettingsStore store;
        store.setValue("Ports", "COM1", "  ");  // as good as none
        PortResolver resolver(store);
        resolver.assign(adapter, 5);
        resolver.assign(onThisSystem("/dev/ttyS1", "COM2"), 3);
        for (const QString& number : wordsOf(row.value("chosen"))) {
            resolver.choose(number.toInt());
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
