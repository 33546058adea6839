#include <QtTest>

#include "platform/windows/DeviceRecords.h"
#include "window/port/AdapterReport.h"

using namespace rotaline;

Q_DECLARE_METATYPE(QList<DeviceRecord>)

namespace {

// A USB device as the device manager records it: "vid:pid", its instance's last part (the
// serial number where the device has one), and what its driver made of it.
DeviceRecord usb(const QString& ids, const QString& last, const QString& name, const QString& maker,
                 const QString& port = {}, unsigned long problem = 0) {
    const QString instance =
        QString("USB\\VID_%1&PID_%2\\").arg(ids.left(4).toUpper(), ids.mid(5)) + last;
    const QString serial = last.contains('&') ? QString() : last;
    return {instance, instance, name, maker, port, ids.left(4), ids.mid(5), serial, problem};
}

}  // namespace

// Windows' own causes, from the device manager's records. Wine keeps no records of serial ports,
// so the diagnosis is given made-up ones; what every system promises is in tests/contract.
class TestDeviceManager : public QObject {
    Q_OBJECT
private slots:
    // Given the device manager's records of the ports and the USB devices, when the adapters are
    // listed, then each says in the system's own words why it cannot be used and what to do.
    void theDeviceManagersProblemsAreNamed_data() {
        QTest::addColumn<QList<DeviceRecord>>("ports");
        QTest::addColumn<QList<DeviceRecord>>("usb");
        QTest::addColumn<QStringList>("report");
        // A CH340 as Windows 10 records it with WCH's driver, and before any driver is installed.
        const QString ch340 = "1a86:7523", where = "5&2F3A1C&0&3";
        const DeviceRecord working =
            usb(ch340, where, "USB-SERIAL CH340 (COM23)", "wch.cn", "COM23");
        const QStringList ready{"COM23: CH340 1a86:7523, wch.cn USB-SERIAL CH340 (COM23)",
                                "  stable name: COM23", "  COM number: none", "  state: Ready."};
        QTest::newRow("working") << QList{working} << QList{working} << ready;
        QTest::newRow("no driver (28)")
            << QList<DeviceRecord>{} << QList{usb(ch340, where, "USB2.0-Serial", "wch.cn", "", 28)}
            << QStringList{"no serial device: CH340 1a86:7523, wch.cn USB2.0-Serial",
                           "  problem: No driver is installed for the CH340 adapter.",
                           "  fix: Install its driver, CH341SER (WCH), then plug the adapter in "
                           "again. Windows Update may offer it under Optional updates."};
        const DeviceRecord pl2303 =
            usb("067b:2303", "6&1D2E&0&1", "Prolific USB-to-Serial Comm Port (COM3)", "Prolific",
                "COM3", 10);
        QTest::newRow("refused by its driver (10)")
            << QList{pl2303} << QList{pl2303}
            << QStringList{
                   "COM3: PL2303 067b:2303, Prolific Prolific USB-to-Serial Comm Port "
                   "(COM3)",
                   "  stable name: COM3", "  COM number: none",
                   "  problem: The driver of the COM3 adapter could not start it.",
                   "  fix: Plug the adapter in again; if that does not help, install its "
                   "driver, PL2303 (Prolific), again. Prolific's newer drivers refuse old "
                   "and copied PL2303 chips: use an adapter with another chip."};
        const DeviceRecord disabled =
            usb(ch340, where, working.friendlyName, "wch.cn", "COM23", 22);
        QTest::newRow("disabled (22)")
            << QList{disabled} << QList{disabled}
            << QStringList{ready[0], ready[1], ready[2],
                           "  problem: The COM23 adapter is disabled in the Device Manager.",
                           "  fix: In the Device Manager, right-click the adapter and choose "
                           "\"Enable device\"."};
        // FTDI's bus driver makes the port as a device of its own below the USB device, and
        // makes none with "Load VCP" unticked.
        const DeviceRecord ftdi = usb("0403:6001", "A50285BI", "USB Serial Converter", "FTDI");
        DeviceRecord ftdiPort = ftdi;
        ftdiPort.friendlyName = "USB Serial Port (COM5)";
        ftdiPort.port = "COM5";
        ftdiPort.instance = "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000";
        QTest::newRow("FTDI with its port")
            << QList{ftdiPort} << QList{ftdi}
            << QStringList{"COM5: FT232R 0403:6001, FTDI USB Serial Port (COM5)",
                           "  stable name: COM5", "  COM number: none", "  state: Ready."};
        QTest::newRow("FTDI without its port")
            << QList<DeviceRecord>{} << QList{ftdi}
            << QStringList{"no serial device: FT232R 0403:6001, FTDI USB Serial Converter",
                           "  problem: The driver of the FT232R adapter makes no COM port for it.",
                           "  fix: Install its driver, VCP (FTDI), which makes one. FTDI's driver "
                           "makes one only with \"Load VCP\" ticked: Device Manager, the "
                           "adapter's \"USB Serial Converter\", Properties, Advanced."};
        QTest::newRow("nothing on USB")
            << QList<DeviceRecord>{} << QList<DeviceRecord>{}
            << QStringList{"no serial device",
                           "  problem: No serial adapter is plugged in: the system shows none on "
                           "USB.",
                           "  fix: Plug the adapter in. If it still does not show, its cable may "
                           "be a charge-only cable (without data lines) or its hub may have no "
                           "power: try another cable or socket."};
    }
    void theDeviceManagersProblemsAreNamed() {
        QFETCH(QList<DeviceRecord>, ports);
        QFETCH(QList<DeviceRecord>, usb);
        QFETCH(QStringList, report);
        const QByteArray text = adaptersText(
            findingsFrom(ports, usb), [](const QString&) { return 0; }, English);
        QCOMPARE(QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts), report);
    }
};

QTEST_GUILESS_MAIN(TestDeviceManager)
#include "TestDeviceManager.moc"
