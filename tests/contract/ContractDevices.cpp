#include <QtTest>

#include "contract/ThisSystem.h"
#include "platform/SerialDevices.h"

using namespace rotaline;
using namespace rotaline::testing;

// The serial devices of every system, each named as short as the system lets it be said. How
// each system lists them from its records is its own tests'.
class ContractDevices : public QObject {
    Q_OBJECT
private slots:
    void eachDeviceHasAReadableName_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("notShown");
        const auto row = [](const char* tag, QStringList onLinux, QStringList onWindows,
                            const QString& notShown = {}) {
            const QStringList pair = onThisSystem(onLinux, onWindows);
            QTest::newRow(tag) << pair.value(0) << pair.value(1) << notShown;
        };
        row("in the folder of devices", {"/dev/ttyUSB0", "ttyUSB0"}, {"COM5", "COM5"});
        row("in a folder under it", {"/dev/pts/0", "pts/0"}, {"\\\\.\\COM23", "COM23"});
        row("by its stable link",
            {"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
             "FTDI_FT232R_USB_UART_A50285BI"},
            {}, linuxOnly("Windows gives a port no second name"));
        row("outside them", {"/tmp/line", "/tmp/line"}, {},
            linuxOnly("every port Windows opens is a device's"));
    }
    void eachDeviceHasAReadableName() {
        QFETCH(QString, device);
        QFETCH(QString, name);
        QFETCH(QString, notShown);
        SKIP_WHERE_NOT_SHOWN(notShown);
        QCOMPARE(readableDeviceName(device), name);
    }
};

QTEST_GUILESS_MAIN(ContractDevices)
#include "ContractDevices.moc"
