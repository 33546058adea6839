#include <QtTest>
#include <QtWidgets>

#include "contract/ThisSystem.h"
#include "link/ProgrammingLink.h"
#include "platform/linux/SystemView.h"
#include "support/FileTree.h"
#include "support/MemorySettingsStore.h"
#include "ui/AdaptersDialog.h"
#include "window/port/AdapterAdvice.h"
#include "window/port/AdapterReport.h"
#include "window/port/PortHelp.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

// One xHCI controller, as sysfs shows it on a PC: USB devices under its root hub usb1.
const QString Hub = "devices/pci0000:00/0000:00:14.0/usb1";

// A USB device in socket `port` of the hub, its interface 1.0 bound to `driver` ("" none), and
// its tty when the driver made one: ttyUSB as the usb-serial drivers make it.
QStringList usbDevice(int port, const QString& ids, const QStringList& attributes,
                      const QString& driver = {}, const QString& tty = {}) {
    const QString name = QString("1-%1").arg(port), interface = name + ":1.0";
    const QString folder = "sys/" + Hub + '/' + name;
    QStringList entries{
        folder + "/idVendor=" + ids.left(4), folder + "/idProduct=" + ids.mid(5),
        "sys/bus/usb/devices/" + name + "->../../../" + Hub + '/' + name,
        "sys/bus/usb/devices/" + interface + "->../../../" + Hub + '/' + name + '/' + interface};
    for (const QString& attribute : attributes) {
        entries << folder + '/' + attribute;
    }
    if (!driver.isEmpty()) {
        entries << folder + '/' + interface + "/driver->../../../../../../bus/usb/drivers/" +
                       driver;
    }
    if (!tty.isEmpty()) {
        const QString portFolder = Hub + '/' + name + '/' + interface + '/' + tty;
        entries
            << "sys/" + portFolder + "/driver->../../../../../../../bus/usb-serial/drivers/" +
                   driver + "-uart"
            << "sys/" + portFolder + "/tty/" + tty + "/dev=188:" + tty.right(1)
            << "sys/" + portFolder + "/tty/" + tty + "/device->../../../" + tty
            << "sys/class/tty/" + tty + "->../../" + portFolder + "/tty/" + tty
            << "dev/" + tty + "="
            << QString("dev/serial/by-path/pci-0000:00:14.0-usb-0:%1:1.0-port0->../../").arg(port) +
                   tty;
    }
    return entries;
}

const QStringList RootHub{"sys/" + Hub + "/idVendor=1d6b", "sys/" + Hub + "/idProduct=0002",
                          "sys/bus/usb/devices/usb1->../../../" + Hub, "sys/class/tty/.made="};
const QStringList Ch340{"product=USB Serial"};
const QString Groups = "root:x:0:\ndialout:x:20:\nplugdev:x:46:pilot\npilot:x:1000:\n";

// A user in its login session, on the machine laid out under `root`; udev made each tty
// root:dialout 0660.
SystemView viewOf(const QTemporaryDir& root, uint uid, bool acl) {
    SystemView view;
    view.folders = {root.filePath("sys"), root.filePath("dev")};
    view.proc = root.filePath("proc");
    view.groupFile = root.filePath("etc/group");
    view.flatpakInfo = root.filePath(".flatpak-info");
    view.uid = uid;
    view.user = "pilot";
    view.sessionGroups = {1000, 46};
    view.owner = [acl](const QString&) { return NodeOwner{true, 0, 20, 0660, acl}; };
    return view;
}

}  // namespace

// What the adapters window, the lamp and rotaline-program say of a machine, from what its
// sysfs, /dev, /proc and group database show.
class TestAdapterDiagnosis : public QObject {
    Q_OBJECT
private slots:
    // Each row: the machine, who asks ("pilot" in the desktop's session, given access by the
    // package's rule; "pilot, no access list"; "pilot, in dialout since this login began";
    // "root"), COM1's device, what the window, the lamp and the tool say in English, what the
    // window says in Chinese, the tool's exit status and the stable names of the adapters.
    void eachCauseIsNamedWithItsFix_data() {
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("assigned");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QStringList>("stableNames");
        const auto row = [](const char* name, const QStringList& tree, const char* who,
                            const QString& assigned, const char* english, const char* chinese,
                            int status, const QStringList& names) {
            QTest::newRow(name) << tree << who << assigned << english << chinese << status << names;
        };
        const QString byId = "dev/serial/by-id/usb-1a86_USB_Serial-if00-port0";
        const QString byPath = "dev/serial/by-path/pci-0000:00:14.0-usb-0:%1:1.0-port0";
        const QStringList ch340 = usbDevice(1, "1a86:7523", Ch340, "ch341");
        const QStringList oneCh340 = usbDevice(1, "1a86:7523", Ch340, "ch341", "ttyUSB0") +
                                     QStringList{byId + "->../../ttyUSB0"};
        const QStringList ftdi{"manufacturer=FTDI", "product=FT232R USB UART"};
        const auto ftdiWith = [&ftdi](const QStringList& serial) {
            return usbDevice(2, "0403:6001", ftdi + serial, "ftdi_sio", "ttyUSB0");
        };
        row("brltty holds a CH340 through usbfs",
            usbDevice(1, "1a86:7523", Ch340, "usbfs") + QStringList{"proc/812/comm=brltty"},
            "pilot", byId, "brltty took the CH340 adapter", "brltty", 1, {});
        row("a CH340 without its driver", usbDevice(1, "1a86:7523", Ch340), "pilot", byId,
            "it needs the kernel module ch341", "ch341", 1, {});
        row("root:dialout 0660, user not in dialout", oneCh340, "pilot, no access list",
            "dev/ttyUSB0", "sudo adduser $USER dialout", "dialout", 1, {byId});
        row("in dialout since this login began", oneCh340, "pilot, in dialout since this login",
            "dev/ttyUSB0", "Log out and back in", "注销并重新登录", 1, {byId});
        row("ModemManager probes the port",
            oneCh340 + QStringList{"proc/733/comm=ModemManager", "proc/733/fd/12->/dev/ttyUSB0"},
            "pilot", "dev/ttyUSB0", "ModemManager is probing", "ModemManager", 1, {byId});
        row("only a USB mouse", usbDevice(3, "046d:c077", {"product=USB Optical Mouse"}, "usbhid"),
            "pilot", byId, "a charge-only cable", "只能充电", 1, {});
        row("in a Flatpak sandbox", ch340 + QStringList{".flatpak-info=[Application]"}, "pilot",
            byId, "flatpak override --user --device=all", "沙盒", 1, {});
        // udev gives both one by-id name: the adapter plugged in last takes it.
        row("two CH340s without serial numbers",
            usbDevice(1, "1a86:7523", Ch340, "ch341", "ttyUSB0") +
                usbDevice(2, "1a86:7523", Ch340, "ch341", "ttyUSB1") +
                QStringList{byId + "->../../ttyUSB1"},
            "pilot", "", "keep the cable in that socket", "插口", 0,
            {byPath.arg(1), byPath.arg(2)});
        // A device's strings are its own choice, and anything may stand in sysfs.
        row("escapes, a bell and a line end in its strings",
            usbDevice(2, "0403:6001",
                      {"manufacturer=\x1b]0;owned\x07"
                       "FTDI",
                       "product=FT232R\nstate: Ready.", "serial=\x1b]8;;http://x\x1b\\A5\u009b2J"},
                      "ftdi_sio", "ttyUSB0"),
            "pilot", "",
            "\\x1b]0;owned\\x07FTDI FT232R\\nstate: Ready. #\\x1b]8;;http://x\\x1b\\A5\\x9b2J",
            "可以使用", 0, {"dev/ttyUSB0"});
        row("a FIFO as its serial number", ftdiWith({"serial|"}), "pilot", "",
            "FTDI FT232R USB UART\n", "可以使用", 0, {"dev/ttyUSB0"});
        row("a FIFO as its idVendor",
            ftdiWith({}).replaceInStrings(QRegularExpression("/idVendor=.*"), "/idVendor|"),
            "pilot", "", "FTDI FT232R USB UART\n", "可以使用", 0, {"dev/ttyUSB0"});
        row("device links leading back into sysfs's own folders",
            {"sys/class/tty/ttyUSB0/device->.", "dev/ttyUSB0=", "sys/class/tty/ttyUSB1/device->..",
             "dev/ttyUSB1="},
            "pilot", "", "a charge-only cable", "只能充电", 1, {});
        // A file where udev makes the node is no adapter, whatever sysfs says of it.
        row("a file in the node's place", usbDevice(1, "1a86:7523", Ch340, "ch341", "ttyUSB0"),
            "pilot, its nodes as they are", "", "a charge-only cable", "只能充电", 1, {});
        row("root, with no access list", oneCh340, "root", "", "Ready.", "可以使用", 0, {byId});
        const QString named = "dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
        row("an FTDI cable with its serial number",
            ftdiWith({"serial=A50285BI"}) + QStringList{named + "->../../ttyUSB0"}, "pilot", "",
            "Ready.", "可以使用", 0, {named});
    }
    void eachCauseIsNamedWithItsFix() {
        QFETCH(QStringList, tree);
        QFETCH(QString, who);
        QFETCH(QString, assigned);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        QFETCH(int, exitStatus);
        QFETCH(QStringList, stableNames);
        QTemporaryDir root;
        const QString groups = who.endsWith("since this login")
                                   ? QString(Groups).replace("dialout:x:20:", "dialout:x:20:pilot")
                                   : Groups;
        layOut(root.path(), RootHub + tree + QStringList{"etc/group=" + groups});
        const uint uid = who == "root" ? 0 : 1000;
        SystemView view = viewOf(root, uid, who == "pilot");
        if (who.endsWith("as they are")) {
            view.owner = SystemView::current().owner;
        }

        const QList<AdapterFinding> findings = diagnoseAdapters(view);
        const QString tool = adaptersText(
            findings, [](const QString&) { return 0; }, English);
        QVERIFY2(tool.contains(english), qPrintable(tool));
        QVERIFY2(!holdsControlCharacters(tool), qPrintable(tool));
        QCOMPARE(adaptersExitStatus(findings), exitStatus);
        QStringList named;
        for (const AdapterFinding& finding : findings) {
            if (!finding.device.isEmpty()) {
                named << QDir(root.path()).relativeFilePath(finding.stableName);
            }
        }
        QCOMPARE(named, stableNames);

        for (const bool inChinese : {false, true}) {
            MemorySettingsStore store;
            PortResolver resolver(store);
            AdaptersDialog dialog(
                resolver, [&view] { return surveyAdapters(view); }, inChinese ? Chinese : English);
            QString shown =
                dialog.emptyState()->isVisibleTo(&dialog) ? dialog.emptyState()->text() : QString();
            for (int row = 0; row < dialog.table()->rowCount(); ++row) {
                shown += '\n' + dialog.table()->item(row, 2)->toolTip();
                for (int column = 1; column < dialog.table()->columnCount(); ++column) {
                    shown += '\n' + dialog.table()->item(row, column)->text();
                }
            }
            QVERIFY2(shown.contains(inChinese ? chinese : english), qPrintable(shown));
            QVERIFY2(!holdsControlCharacters(shown.remove('\n')), qPrintable(shown));
            QVERIFY2(uid != 0 || !shown.contains("dialout"), qPrintable(shown));
        }

        // The lamp of a COM number whose device cannot be used says the same.
        if (!assigned.isEmpty()) {
            LinkOutcome failed = LinkOutcome::failure("", PortProblem::Absent);
            failed.finding = findingFor(root.filePath(assigned), view);
            QVERIFY(failed.finding);
            QVERIFY(portHelp(failed, 1, English).contains(english));
        }
    }
};

QTEST_MAIN(TestAdapterDiagnosis)
#include "TestAdapterDiagnosis.moc"
