#include <QtTest>
#include <QtWidgets>

#include "contract/ThisSystem.h"
#include "link/ProgrammingLink.h"
#include "platform/linux/SystemView.h"
#include "support/DataFile.h"
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

// A USB device in socket `port` of the hub, its interface 1.0 bound to `driver` ("-" none), and
// its tty when the driver made one, as the usb-serial drivers make ttyUSB; `attributes` given
// take the place of the ids'.
QStringList usbDevice(const QStringList& words) {
    const QString name = "1-" + words.value(0), interface = name + ":1.0";
    const QString ids = words.value(1), driver = words.value(2), tty = words.value(3);
    const QString folder = "sys/" + Hub + '/' + name;
    QStringList entries = words.mid(4);
    for (const QString& id : {"idVendor=" + ids.left(4), "idProduct=" + ids.mid(5)}) {
        if (entries.filter(QRegularExpression('^' + id.section('=', 0, 0) + "[=|]")).isEmpty()) {
            entries << id;
        }
    }
    entries.replaceInStrings(QRegularExpression("^"), folder + '/');
    entries << "sys/bus/usb/devices/" + name + "->../../../" + Hub + '/' + name
            << "sys/bus/usb/devices/" + interface + "->../../../" + Hub + '/' + name + '/' +
                   interface;
    if (driver != "-") {
        entries << folder + '/' + interface + "/driver->../../../../../../bus/usb/drivers/" +
                       driver;
    }
    if (tty != "-") {
        const QString portFolder = Hub + '/' + name + '/' + interface + '/' + tty;
        entries << "sys/" + portFolder + "/driver->../../../../../../../bus/usb-serial/drivers/" +
                       driver + "-uart"
                << "sys/" + portFolder + "/tty/" + tty + "/dev=188:" + tty.right(1)
                << "sys/" + portFolder + "/tty/" + tty + "/device->../../../" + tty
                << "sys/class/tty/" + tty + "->../../" + portFolder + "/tty/" + tty
                << "dev/" + tty + "="
                << "dev/serial/by-path/pci-0000:00:14.0-usb-0:" + words.value(0) +
                       ":1.0-port0->../../" + tty;
    }
    return entries;
}

const QStringList RootHub{"sys/" + Hub + "/idVendor=1d6b", "sys/" + Hub + "/idProduct=0002",
                          "sys/bus/usb/devices/usb1->../../../" + Hub, "sys/class/tty/.made="};
const QString Groups = "root:x:0:\ndialout:x:20:\nplugdev:x:46:pilot\npilot:x:1000:\n";

}  // namespace

// What the adapters window, the lamp and rotaline-program say of a machine, from what its
// sysfs, /dev, /proc and group database show.
class TestAdapterDiagnosis : public QObject {
    Q_OBJECT
private slots:
    // The machines of data/adapters/linux.txt, as it describes them.
    void eachCauseIsNamedWithItsFix_data() {
        addDataRows("machine", TEST_DATA "/adapters/linux.txt");
    }
    void eachCauseIsNamedWithItsFix() {
        QFETCH(DataRow, machine);
        QStringList tree = machine.values("+");
        for (const QString& device : machine.values("usb")) {
            tree << usbDevice(wordsOf(device));
        }
        const QString who = machine.value("who"), assigned = machine.value("assigned");
        const QString english = machine.text("english"), chinese = machine.text("chinese");
        QTemporaryDir root;
        const QString groups = who.endsWith("since this login")
                                   ? QString(Groups).replace("dialout:x:20:", "dialout:x:20:pilot")
                                   : Groups;
        layOut(root.path(), RootHub + tree + QStringList{"etc/group=" + groups});
        const uint uid = who == "root" ? 0 : 1000;
        // A user in its login session; udev made each tty root:dialout 0660, with an access list
        // for the desktop's user.
        SystemView view;
        view.folders = {root.filePath("sys"), root.filePath("dev")};
        view.proc = root.filePath("proc");
        view.groupFile = root.filePath("etc/group");
        view.flatpakInfo = root.filePath(".flatpak-info");
        view.uid = uid;
        view.user = "pilot";
        view.sessionGroups = {1000, 46};
        view.owner = [acl = who == "pilot"](const QString&) {
            return NodeOwner{true, 0, 20, 0660, acl};
        };
        if (who.endsWith("as they are")) {
            view.owner = SystemView::current().owner;
        }

        const QList<AdapterFinding> findings = diagnoseAdapters(view);
        const QString tool = adaptersText(
            findings, [](const QString&) { return 0; }, English);
        QVERIFY2(tool.contains(english), qPrintable(tool));
        QVERIFY2(!holdsControlCharacters(tool), qPrintable(tool));
        QCOMPARE(adaptersExitStatus(findings), machine.value("status").toInt());
        QStringList named;
        for (const AdapterFinding& finding : findings) {
            if (!finding.device.isEmpty()) {
                named << QDir(root.path()).relativeFilePath(finding.stableName);
            }
        }
        QCOMPARE(named, wordsOf(machine.value("names")));

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
