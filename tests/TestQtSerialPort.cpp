#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "platform/PortHolders.h"
#include "platform/PortResolver.h"
#include "support/DataFile.h"
#include "support/PtyForm.h"

using namespace rotaline;
using namespace rotaline::testing;
using namespace std::chrono_literals;

class TestQtSerialPort : public QObject {
    Q_OBJECT
private slots:
    void init() { SKIP_WITHOUT_PTYS(); }

    // 300 baud 8E1, and what the controller answers is shown as it came.
    void theFormTalksToTheAdapterAtTheLineSettings() {
        PtyForm f;
        f.controls.ComboCOM->setListIndex(2);
        QCOMPARE(f.heard(), QByteArray("\xAA\x55"));

        f.options("OptionBrake").select(4);
        QCOMPARE(f.heard(), QByteArray("\x89\x05"));
        QCOMPARE(f.adapter.baud(), 300);
        QCOMPARE(f.adapter.dataBits(), 8);
        QCOMPARE(f.port.port().parity(), SystemSerialPort::EvenParity);

        f.controls.Text1->setText(QString());
        f.adapter.write("OK\xE9");
        QTRY_COMPARE(f.note(), QStringLiteral("OK\u00E9"));
    }

    // The refusals of data/adapters/open-refusals.txt.
    void anOpenThatFailsSaysWhy_data() {
        addDataRows("refusal", TEST_DATA "/adapters/open-refusals.txt");
    }
    void anOpenThatFailsSaysWhy() {
        QFETCH(DataRow, refusal);
        // The problems in the order PortProblem lists them.
        static const QStringList problems{"None",     "Unassigned", "Absent", "PermissionDenied",
                                          "Busy",     "Claimed",    "Probed", "ConfigUnreadable",
                                          "NotSerial"};
        const QString device = refusal.value("device"), holder = refusal.text("holder");
        const auto problem = static_cast<PortProblem>(problems.indexOf(refusal.value("problem")));
        QString error = refusal.text("error");
        PseudoTerminal adapter;
        const QString path = device == "pty" || device == "pts/N" ? pathOf(adapter) : device;
        const QString name = device == "pts/N" ? path.mid(5) : path;
        QTemporaryDir here;  // holds a file of the relative name
        QVERIFY(device != "pts/N" || (QDir(here.path()).mkpath("pts") &&
                                      QFile(here.filePath(name)).open(QIODevice::WriteOnly)));
        const QString before = QDir::currentPath();
        QDir::setCurrent(here.path());
        QtSerialPort port(
            [&](int) { return Assignment(name, holder == "unreadable" ? error : QString()); });
        QtSerialPort self([&](int) { return path; });
        QTemporaryDir programs;  // the holder is sleep under the name it is known by
        QProcess other;
        if (holder == "self") {
            QVERIFY(self.open());
        } else if (holder == "mode") {
            if (geteuid() == 0) {
                QSKIP("permissions do not bind the superuser");
            }
            QFile::setPermissions(path, QFileDevice::Permissions());
        } else if (!holder.isEmpty() && holder != "unreadable") {
            QVERIFY(QFile::link(QStringLiteral("/bin/sleep"), programs.filePath(holder)));
            const QString held = path == "/dev/null" ? path : pathOf(adapter);
            const QString bridge = holder == "socat" ? " 3<>/dev/ptmx" : "";
            other.start("sh",
                        {"-c", "exec '" + programs.filePath(holder) + "' 30 <>" + held + bridge});
            QTRY_VERIFY(otherHolderOf(held).has_value());
        }

        const bool opened = port.open();
        QDir::setCurrent(before);

        QVERIFY(!opened);
        QCOMPARE(port.problem(), problem);
        QCOMPARE(port.errorString(),
                 error.replace("%1", path).replace("%2", QString::number(other.processId())));
        other.kill();
        other.waitForFinished();
    }

    // An adapter is known by its link in /dev/serial/by-id, which leads to whichever device the
    // system gave it this time.
    void anAdapterIsOpenedThroughItsLink() {
        PseudoTerminal adapter;
        QTemporaryDir byId;
        const QString link = byId.filePath(QStringLiteral("usb-FTDI_A-if00-port0"));
        QVERIFY(QFile::link(pathOf(adapter), link));
        QCOMPARE(PortResolver::stableNameOf(pathOf(adapter), byId.path()), link);

        QtSerialPort port([&](int) { return link; });
        QVERIFY(port.open() && port.write("\xAA\x55"));
        QCOMPARE(adapter.read(1000ms), std::string("\xAA\x55"));

        // Held for exclusive use, under the lock file other serial programs look for: named
        // after the device itself, not the link.
        const int other = ::open(qPrintable(pathOf(adapter)), O_RDWR | O_NOCTTY | O_CLOEXEC);
        int exclusive = 0;
        QVERIFY(other < 0 || (::ioctl(other, TIOCGEXCL, &exclusive) == 0 && exclusive == 1));
        ::close(other);
        QVERIFY(isLocked(pathOf(adapter)));
    }

    // Each round the adapter is pulled after a change and another plugged in on the other
    // number. The pulled one hangs the line up and every read of it fails at once: the port
    // closes rather than spin on it, the new adapter works, and no descriptor is left behind.
    void anAdapterPulledAndPluggedTwentyTimesLeavesNothingBehind() {
        PtyForm f;
        const uint descriptors = QDir("/proc/self/fd").count();
        for (int round = 0; round < 20; ++round) {
            const int com = 1 + round % 2;
            std::optional<PseudoTerminal> adapter(std::in_place);
            f.devices[com] = pathOf(*adapter);
            f.controls.ComboCOM->setListIndex(com - 1);
            f.options("OptionBrake").select(com);
            QCOMPARE(bytesOf(adapter->read(1000ms)), QByteArray("\xAA\x55\x89") + char(com + 1));

            adapter.reset();
            QTRY_VERIFY(!f.link.isOpen());
        }
        f.link.close();
        QCOMPARE(QDir("/proc/self/fd").count(), descriptors);
    }

    // Nobody takes the bytes: the send that finds the kernel's queue full fails at once and says
    // so, rather than keep bytes that will never leave.
    void aLineThatTakesNothingMoreFailsTheSendThatFindsItFull() {
        PtyForm f;
        f.form.Form_Load();
        int sent = 0;
        while (sent < 100000 && f.form.SendParameter(137, 1)) {
            ++sent;
        }
        QVERIFY(sent > 0 && sent < 100000);
        QCOMPARE(f.dialogs.texts(),
                 QStringList("COM1 is invalild ! \r\nPlease slect other COM port !"));
        QVERIFY(!f.link.isOpen() && f.controls.ImageOff->isVisible());
        QVERIFY2(f.form.lineStatus().text.contains(" stopped taking bytes; "),
                 qPrintable(f.form.lineStatus().text));
    }
};

QTEST_MAIN(TestQtSerialPort)
#include "TestQtSerialPort.moc"
