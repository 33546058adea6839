#include <fcntl.h>
#include <unistd.h>

#include <QtTest>

#include "platform/DeviceWatch.h"
#include "platform/PortResolver.h"
#include "platform/SerialDevices.h"
#include "support/FileTree.h"
#include "support/MemorySettingsStore.h"

using namespace rotaline;
using namespace rotaline::testing;

// How COM numbers lead to devices; what the form does on a port is in the session transcripts.
class TestPortResolver : public QObject {
    Q_OBJECT
private slots:
    // A desk as sysfs shows it: two FTDI adapters, an Arduino, a UART with a chip, a 16550 slot
    // without one (type 0, as the serial8250 driver registers ttyS1..ttyS31), a console, and an
    // adapter whose node udev has not made yet.
    void theListingReadsSysfsAlone() {
        QTemporaryDir root;
        const QString usb = "sys/devices/pci0/usb1/", tty = "sys/class/tty/";
        const QString up = "../../../devices/";  // from a device link in sys/class/tty
        layOut(root.path(),
               {usb + "1-2/idVendor=0403",
                usb + "1-2/manufacturer=FTDI",
                usb + "1-2/product=FT232R USB UART",
                usb + "1-2/serial=A50285BI",
                usb + "1-4/idVendor=2341",
                usb + "1-4/product=Arduino Uno",
                tty + "ttyUSB10/device->" + up + "pci0/usb1/1-2/1-2:1.0/ttyUSB10",
                "dev/ttyUSB10=",
                tty + "ttyUSB2/device->" + up + "pci0/usb1/1-3/1-3:1.0/ttyUSB2",
                "dev/ttyUSB2=",
                tty + "ttyACM0/device->" + up + "pci0/usb1/1-4/1-4:1.0",
                "dev/ttyACM0=",
                tty + "ttyS0/device->" + up + "pnp0/00:04",
                tty + "ttyS0/type=4",
                "dev/ttyS0=",
                tty + "ttyS1/device->" + up + "platform/serial8250",
                tty + "ttyS1/type=0",
                "dev/ttyS1=",
                tty + "tty0/dev=4:0",
                "dev/tty0=",
                tty + "ttyUSB3/device->" + up + "pci0/usb1/1-5/1-5:1.0/ttyUSB3",
                "dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0->../../ttyUSB10"});

        const QList<SerialDevice> present =
            presentSerialDevices({root.filePath("sys"), root.filePath("dev")});

        const QString dev = root.filePath("dev/");
        QCOMPARE(present, (QList<SerialDevice>{
                              {dev + "ttyACM0", dev + "ttyACM0", "Arduino Uno", true},
                              {dev + "ttyUSB2", dev + "ttyUSB2", "", true},
                              {dev + "ttyUSB10",
                               dev + "serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
                               "FTDI FT232R USB UART #A50285BI", true},
                              {dev + "ttyS0", dev + "ttyS0", ""}}));
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
        const SerialDevice usb{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_A1", "FTDI", true};
        const SerialDevice acm{"/dev/ttyACM0", "/dev/ttyACM0", "Arduino", true};
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
