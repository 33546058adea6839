#include <fcntl.h>
#include <unistd.h>

#include <QtTest>

#include "platform/DeviceWatch.h"
#include "platform/PortResolver.h"
#include "platform/SerialDevices.h"
#include "support/DataFile.h"
#include "support/FileTree.h"
#include "support/MemorySettingsStore.h"

using namespace rotaline;
using namespace rotaline::testing;

// How COM numbers lead to devices; what the form does on a port is in the session transcripts.
class TestPortResolver : public QObject {
    Q_OBJECT
private slots:
    // The desk of data/adapters/desk.txt.
    void theListingReadsSysfsAlone() {
        const DataRow desk = dataRows(TEST_DATA "/adapters/desk.txt").value(0);
        QTemporaryDir root;
        layOut(root.path(), desk.values("+"));
        const QString dev = root.filePath("dev/");
        QList<SerialDevice> listed;
        for (const QString& line : desk.values("listed")) {
            const QStringList w = wordsOf(line);
            listed.append({dev + w[0], dev + w[1], w[2], w[3] == "1"});
        }

        const QList<SerialDevice> present =
            presentSerialDevices({root.filePath("sys"), root.filePath("dev")});

        QVERIFY(!listed.isEmpty());
        QCOMPARE(present, listed);
    }

    // The kernel makes the node, udev the link a moment later: each is seen as it comes.
    void aPluggedAdapterIsSeenWithoutPolling() {
        QTemporaryDir root;
        QDir(root.path()).mkpath("dev");
        DeviceWatch watch({root.filePath("sys"), root.filePath("dev")});
        QSignalSpy changed(&watch, &DeviceWatch::changed);

        for (const char* step : {"dev/ttyUSB0=", "dev/serial/by-id/.made=",
                                 "dev/serial/by-id/usb-FTDI_A1->../../ttyUSB0"}) {
            layOut(root.path(), {step});
            QVERIFY2(changed.wait(5000), step);
            changed.clear();
        }

        // A flapping adapter: thousands of changes are told a few times a second, not each.
        const QByteArray node = QFile::encodeName(root.filePath("dev/ttyUSB1"));
        for (int n = 0; n < 3000; ++n) {
            ::close(::creat(node.constData(), 0600));
            ::unlink(node.constData());
            QCoreApplication::processEvents();
        }
        QVERIFY(changed.wait(5000));
        QVERIFY2(changed.size() < 30, qPrintable(QString::number(changed.size())));
    }

    // The one USB adapter is offered only while nothing is assigned; a device has one number at
    // a time.
    void theOneUsbAdapterIsOfferedAndADeviceHasOneNumber() {
        MemorySettingsStore store;
        PortResolver resolver(store);
        const SerialDevice usb{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_A1", "FTDI", true};
        const SerialDevice acm{"/dev/ttyACM0", "/dev/ttyACM0", "Arduino", true};
        const SerialDevice board{"/dev/ttyS0", "/dev/ttyS0", ""};
        QCOMPARE(resolver.adapterToOffer({board, usb})->stableName, usb.stableName);
        QVERIFY(!resolver.adapterToOffer({usb, acm}));
        QVERIFY(!resolver.adapterToOffer({board}));

        resolver.assign(usb.stableName, 2);
        resolver.assign(usb.stableName, 5);
        QCOMPARE(resolver.portOf(usb.stableName), 5);
        QCOMPARE(resolver.deviceFor(2), QString());
        resolver.assign(QStringLiteral("/dev/ttyUSB3"), 5);
        QCOMPARE(resolver.portOf(usb.stableName), 0);
        QVERIFY(!resolver.adapterToOffer({usb}));
        resolver.assign(QStringLiteral("/dev/ttyUSB3"), 0);
        QCOMPARE(resolver.deviceFor(5), QString());
    }
};

QTEST_GUILESS_MAIN(TestPortResolver)
#include "TestPortResolver.moc"
