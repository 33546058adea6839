// Runs under the slow-line model (LD_PRELOAD): the adapter's pseudo-terminal takes 11/300 s a
// byte, and the model logs bytes garbled by a speed change or thrown away and every wait for the
// line. Every case runs on both kinds of adapter: one whose drain is exact (16550, FTDI, CP210x)
// and one whose chip keeps 32 bytes out of the kernel's sight (CH340/CH341, PL2303, CDC-ACM).
#include <sys/file.h>

#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "app/Programmer.h"
#include "files/SendJournal.h"
#include "support/DataFile.h"
#include "support/FormFixture.h"
#include "support/LineLog.h"
#include "support/ModalAnswers.h"
#include "support/PtyForm.h"
#include "ui/FinishingDialog.h"

using namespace rotaline;
using namespace rotaline::testing;
using namespace std::chrono_literals;

namespace {

// The form on the real serial port: COM2 leads to a second adapter, every other COM number to
// the first, whose line is the modelled one. A stuck adapter takes nothing, here and in the
// programs started from here, which keep their journal in the test's folder.
struct OnTheLine : PtyForm {
    PseudoTerminal second;
    QTemporaryDir dir;
    QString device = pathOf(adapter);
    QString file = dir.filePath(QStringLiteral("start.esc"));  // the block as the window starts
    QByteArray stateHome = qgetenv("XDG_STATE_HOME");
    int baud = adapter.baud();  // as the device was before

    explicit OnTheLine(const QByteArray& hidden = "0", bool stuck = false) {
        devices[2] = pathOf(second);
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir.path()));
        qputenv("ROTALINE_LINE_ADAPTER_BYTES", hidden);
        qputenv("ROTALINE_LINE_DEVICE", device.toLocal8Bit());
        qputenv("ROTALINE_LINE_LOG", dir.filePath(QStringLiteral("line.log")).toLocal8Bit());
        if (stuck) {
            qputenv("ROTALINE_LINE_STUCK", "1");
        }
        writeStartUpFile(file);
    }
    ~OnTheLine() {
        qputenv("XDG_STATE_HOME", stateHome);
        qunsetenv("ROTALINE_LINE_DEVICE");
        qunsetenv("ROTALINE_LINE_STUCK");
        qunsetenv("ROTALINE_LINE_ADAPTER_BYTES");
    }
    LineLog log() const { return LineLog::read(dir.filePath(QStringLiteral("line.log"))); }
    // Nothing garbled, bytes thrown away exactly when the line was given up, and the device set
    // back as it was, its lock removed.
    void leftClean(bool givenUp, bool setBack = true) const {
        QCOMPARE(log().garbled, 0);
        QCOMPARE(log().flushed > 0, givenUp);
        QVERIFY(!setBack || (adapter.baud() == baud && !isLocked(device)));
    }
    // What the journal says of the newest session: "sent in full" exactly when every byte left.
    QString lastRecord() const {
        const auto records = readJournal(dir.filePath(QStringLiteral("Rotaline/journal")));
        return records.empty()                                   ? "no record"
               : records.front().delivery == Delivery::InFull    ? "sent in full"
               : records.front().delivery == Delivery::NotInFull ? "not sent in full"
                                                                 : "not confirmed";
    }
};

// Each row on each kind of adapter, its hidden bytes first: the rows of data/real-line/`file`.
void onBothKinds(const QList<DataRow>& rows) {
    QTest::addColumn<QByteArray>("hidden");
    QTest::addColumn<DataRow>("row");
    for (const DataRow& row : rows) {
        for (const char* hidden : {"0", "32"}) {
            QTest::addRow("%s, %s hidden", qPrintable(row.title), hidden)
                << QByteArray(hidden) << row;
        }
    }
}
void onBothKinds(const char* file) {
    onBothKinds(dataRows(TEST_DATA "/real-line/" + QString(file)));
}

// Sends `signal` while `process` runs. A QProcess that has ended names process 0, and kill(0)
// would signal this test's own process group: ctest and the script that started it.
void sendSignal(const QProcess& process, int signal) {
    if (const auto pid = static_cast<pid_t>(process.processId()); pid > 0) {
        ::kill(pid, signal);
    }
}

// Sends `signal` and waits until the process has taken it: a second one sent before would merge
// with it, as the kernel keeps one of each signal pending.
void terminate(const QProcess& process, int signal = SIGTERM) {
    sendSignal(process, signal);
    const auto pending = [&process, signal] {
        QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
        const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : "";
        const qsizetype at = text.indexOf("ShdPnd:");
        const qulonglong waiting = text.mid(at + 7, 18).trimmed().toULongLong(nullptr, 16);
        return at >= 0 && (waiting & (1ULL << (signal - 1))) != 0;
    };
    QTRY_VERIFY(!pending());
}

// The same steps on the serial double give the bytes the line must carry.
template <class Form>
void chooseAModelThen(const QString& next, Form& f, const QString& file) {
    f.form.Form_Load();
    dynamic_cast<OptionGroup&>(*f.form.find("OptionTimMon")).select(1);  // the defaults send it
    f.form.controls().ComboCTRmodel[0]->setListIndex(1);
    if (next == "port change") {
        f.form.controls().ComboCOM->setListIndex(1);
    } else if (next == "file load") {
        f.form.LoadSettingsFile(file);
    } else {
        f.form.mnuExit_Click();
    }
}

}  // namespace

class TestRealLine : public QObject {
    Q_OBJECT
private slots:
    void init() {
        if (qEnvironmentVariableIsEmpty("LD_PRELOAD") || !PseudoTerminal().isOpen()) {
            QSKIP("needs pseudo-terminals and the slow-line model");
        }
    }

    // Nothing waits for the line on the main thread, and no speed change garbles what is on it.
    void aModelChoiceFollowedAtOnceByAnotherStepArrivesWhole_data() {
        onBothKinds("after-a-model.txt");
    }
    void aModelChoiceFollowedAtOnceByAnotherStepArrivesWhole() {
        QFETCH(QByteArray, hidden);
        QFETCH(DataRow, row);
        const QString next = row.value("next");
        OnTheLine p(hidden);
        FormFixture expected;
        chooseAModelThen(next, expected, p.file);

        chooseAModelThen(next, p, p.file);

        QByteArray wire = expected.port.written();
        if (next == "port change") {
            QCOMPARE(bytesOf(p.second.read(1000ms)), QByteArray("\xAA\x55"));
            wire.chop(2);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!p.port.isDraining(), 10000);
        QCOMPARE(p.heard(100ms), wire);
        QTRY_VERIFY(p.form.lineStatus().text.startsWith(row.text("status")));
        QCOMPARE(p.log().garbled, 0);
        QCOMPARE(p.log().mainWaits, 0);
    }

    // The model's record is confirmed once its line has carried it. The cable pulled and put
    // back, a new device behind the same link: each change meanwhile fails at once with one box,
    // the lamp goes out; once the device is back the lamp lights, the status bar counts what the
    // controller lacks, and Send all sends the whole block with no box and readies the link for
    // Factory Default.
    void aPulledAdapterIsUsedAgainWhenItReturns_data() {
        onBothKinds({DataRow{"pulled and put back", {}}});
    }
    void aPulledAdapterIsUsedAgainWhenItReturns() {
        QFETCH(QByteArray, hidden);
        OnTheLine line(hidden);
        QTemporaryDir byId;
        const QString name = byId.filePath(QStringLiteral("usb-FTDI_A-if00-port0"));
        QVERIFY(QFile::link(line.device, name));
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Rotaline", "Rotaline")
            .setValue(QStringLiteral("Ports/COM1"), name);
        Programmer programmer;
        programmer.start();
        MainForm& form = programmer.form();
        Controls& c = form.controls();
        FormFixture expected(FormFixture::Start::Loaded);
        for (MainForm* each : {&form, &expected.form}) {
            dynamic_cast<OptionGroup&>(*each->find("OptionTimMon")).select(1);
            each->controls().ComboCTRmodel[0]->setListIndex(0);
        }
        QTRY_COMPARE(line.lastRecord(), "not confirmed");  // while its bytes are on the line
        QTRY_VERIFY_WITH_TIMEOUT(form.lineStatus().text.startsWith("All settings sent"), 5000);
        QTRY_COMPARE(line.lastRecord(), "sent in full");
        ModalAnswers ok(50);

        line.adapter.closeMaster();
        QFile::remove(name);
        for (MainForm* each : {&form, &expected.form}) {
            dynamic_cast<OptionGroup&>(*each->find("OptionBrake")).select(2);
            dynamic_cast<ScrollBar&>(*each->find("HScrollTiming")).setValue(5);
        }
        QCOMPARE(ok.boxes, QStringList(2, "COM1 is invalild ! \nPlease slect other COM port !"));
        QVERIFY(c.ImageOff->isVisible() && !c.ImageOn->isVisible());

        PseudoTerminal back;
        qputenv("ROTALINE_LINE_DEVICE", pathOf(back).toLocal8Bit());
        QVERIFY(QFile::link(pathOf(back), name));
        QTRY_COMPARE(form.lineStatus().text,
                     "COM1 is back — 2 settings not sent: File > Send all settings again");
        QVERIFY(c.ImageOn->isVisible() && !c.ImageOff->isVisible());
        expected.port.clearWritten();
        c.mnuSendAll->click();
        expected.controls.mnuSendAll->click();
        c.CommandSetFactory->click();
        QCOMPARE(ok.boxes.size(), 2);
        QCOMPARE(form.unsentCount(), 0);
        QCOMPARE(bytesOf(back.read(1000ms)).left(expected.port.written().size()),
                 expected.port.written());
    }

    // It waits for the line before it ends, throwing nothing away, and gives a stuck adapter up
    // (when: rotaline-bench-line); a lost one is a failure. A second SIGTERM gives up at once,
    // but the device is still set back as it was and the lock is removed. The journal says
    // "not sent in full" whenever a byte did not leave, and "sent in full" only once the last
    // has: a tool killed outright (SIGKILL, the OOM killer, a logoff) leaves it unconfirmed.
    void theHeadlessToolEndsWhenTheLineIsIdleOrSaysWhyNot_data() {
        onBothKinds("headless-tool.txt");
    }
    void theHeadlessToolEndsWhenTheLineIsIdleOrSaysWhyNot() {
        QFETCH(QByteArray, hidden);
        QFETCH(DataRow, row);
        const QString adapter = row.value("adapter");
        const int status = row.value("status").toInt();
        QByteArray says = row.text("says").toUtf8();
        OnTheLine p(hidden, adapter == "stuck");
        QProcess tool;
        const QString journal = p.dir.filePath(QStringLiteral("Rotaline/journal"));
        QFile lock(journal + ".lock");  // held by another program throughout
        QVERIFY(adapter != "locked" ||
                (QDir().mkpath(p.dir.filePath("Rotaline")) && lock.open(QIODevice::WriteOnly) &&
                 ::flock(lock.handle(), LOCK_EX) == 0));
        QElapsedTimer running;
        running.start();

        tool.start(QStringLiteral(PROGRAM_TOOL), {p.file, p.device});
        if (adapter == "pulled" || adapter == "signals" || adapter == "killed") {
            QByteArray onTheLine;
            QTRY_VERIFY(!(onTheLine += p.heard(0ms)).isEmpty());
        }
        if (adapter == "pulled") {
            p.adapter.closeMaster();
        } else if (adapter == "signals") {
            terminate(tool);
            terminate(tool);
        } else if (adapter == "killed") {
            QTest::qWait(1000);  // about a third of its line time
            sendSignal(tool, SIGKILL);
        }

        QTRY_COMPARE_WITH_TIMEOUT(tool.state(), QProcess::NotRunning, 20000);
        const qint64 ran = running.elapsed();
        const QByteArray heard = adapter == "pulled" ? QByteArray() : p.heard(100ms);
        // Within the line time and two seconds, as a line that takes nothing is given up.
        QVERIFY(adapter != "locked" || ran < heard.size() * 37 + 2000);
        QCOMPARE(tool.exitStatus(), status < 0 ? QProcess::CrashExit : QProcess::NormalExit);
        QVERIFY(status < 0 || tool.exitCode() == status);
        // All but what the adapter hides from the kernel was still there to count.
        if (says.contains("%1")) {
            says = QString(says).arg(heard.size() - hidden.toInt()).toUtf8();
        }
        says.replace("%2", QFile::encodeName(journal));
        QVERIFY(tool.readAllStandardError().contains(says));
        const bool sent = status == 0 || adapter == "locked";
        QCOMPARE(tool.readAllStandardOutput().count('\n') * 2, sent ? heard.size() : 0);
        QCOMPARE(p.lastRecord(), row.text("record"));
        p.leftClean(adapter == "stuck" || adapter == "signals",
                    adapter != "pulled" && adapter != "killed");
    }

    // Exit waits for the bytes on the line in a window that closes when they are gone or when
    // Quit now throws them away. A stuck adapter pulled or given up is a failure the window says,
    // until it is closed. Only a line that finished leaves a record sent in full.
    void leavingWhileSendingFinishesTheLineOrQuitsAtOnce_data() { onBothKinds("leaving.txt"); }
    void leavingWhileSendingFinishesTheLineOrQuitsAtOnce() {
        QFETCH(QByteArray, hidden);
        QFETCH(DataRow, row);
        const QString adapter = row.value("adapter"), says = row.text("says");
        OnTheLine line(hidden, adapter != "working" && adapter != "Quit now");
        // COM1 on the modelled line, in the test's own settings, which a programmer made after
        // reads.
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Rotaline", "Rotaline")
            .setValue(QStringLiteral("Ports/COM1"), line.device);
        Programmer programmer;
        programmer.start();
        programmer.form().controls().ComboCTRmodel[0]->setListIndex(1);

        programmer.form().mnuExit_Click();

        QPointer<FinishingDialog> finishing;
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            finishing = finishing ? finishing.data() : qobject_cast<FinishingDialog*>(shown);
        }
        QVERIFY(finishing && finishing->isVisible());
        if (adapter == "stuck" || adapter == "Quit now") {
            QTest::mouseClick(finishing->findChild<QPushButton*>(), Qt::LeftButton);
        } else if (adapter == "pulled") {
            line.adapter.closeMaster();
        }
        if (!says.isEmpty()) {
            // The line is idle by then, and the failure stays.
            QTRY_VERIFY_WITH_TIMEOUT(
                finishing && finishing->findChild<QLabel*>()->text().contains(says),
                1800 + 2000 + 1000);
            QCOMPARE(finishing->findChild<QPushButton*>()->text(), QStringLiteral("Close"));
            QTest::mouseClick(finishing->findChild<QPushButton*>(), Qt::LeftButton);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!finishing, 5000);
        QTRY_COMPARE(line.lastRecord(), adapter == "working" ? "sent in full" : "not sent in full");
        line.leftClean(adapter != "working" && adapter != "pulled", false);
        QCOMPARE(line.log().mainWaits, 0);
    }

    // A signal closes the open windows at once, box, file dialog or window, then ends as Exit
    // does; once Exit is finishing the line, a signal lets it finish and a second throws the rest
    // away. A stuck line is given up, also with a wait taken back by a port change. The device is
    // set back as it was, its lock is removed, and the exit status and the journal say whether all
    // was sent. A UART or a board on the desk is never opened to be listed: start-up and the
    // adapters window open only the device given COM1.
    void aSignalEndsTheWindowAsExitDoesAndASecondGivesUp_data() {
        addDataRows("row", TEST_DATA "/real-line/signals.txt");
    }
    void aSignalEndsTheWindowAsExitDoesAndASecondGivesUp() {
        QFETCH(DataRow, row);
        const QStringList steps = wordsOf(row.value("steps"));
        const QByteArray shown = row.value("shown").toUtf8();
        const int signal = row.value("signal").toInt(), kills = row.value("kills").toInt();
        const int status = row.value("status").toInt();
        const bool stuck = !row.values("stuck").isEmpty();
        OnTheLine line("0", stuck);
        QTemporaryDir config;
        QProcess probe;
        startWithOwnStore(probe, config, line.device, QStringList{PROGRAMMER_PROBE} + steps);
        QByteArray told;
        QVERIFY(waitForOutput(probe, told, "shown " + shown));

        for (int n = 0; n < kills; ++n) {
            terminate(probe, signal);
        }

        // Its box closed, a busy line is finished as on Exit.
        const bool busy = steps.contains("model") && !shown.endsWith("FinishingDialog");
        QVERIFY(!busy || waitForOutput(probe, told, "closed " + shown));
        QVERIFY(!busy || waitForOutput(probe, told, "shown rotaline::FinishingDialog"));
        QTRY_COMPARE_WITH_TIMEOUT(probe.state(), QProcess::NotRunning, 20000);
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), status);
        QCOMPARE(line.lastRecord(), row.text("record"));
        QVERIFY(steps.contains("model") || line.heard(100ms) == QByteArray("\xAA\x55\x89\x05"));
        line.leftClean(stuck || kills == 2);
        QStringList opened = line.log().opened;
        QVERIFY2(opened.removeAll(line.device) > 0 && opened.isEmpty(),
                 qPrintable(opened.join(' ')));
    }

    // A file named from another folder is stored as the file dialog would give it.
    void aFileGivenByARelativeNameIsStoredWhole() {
        OnTheLine line;
        QTemporaryDir config;
        QProcess programmer;
        programmer.setWorkingDirectory(line.dir.path());

        startWithOwnStore(programmer, config, line.device, {PROGRAMMER, "./start.esc"});

        QTRY_COMPARE_WITH_TIMEOUT(
            QSettings(config.filePath("Rotaline/Rotaline.conf"), QSettings::IniFormat)
                .value("Recent Files/RecentFile1"),
            QVariant(line.file), 10000);
        programmer.terminate();
        QVERIFY(programmer.waitForFinished(10000));
    }
};

QTEST_MAIN(TestRealLine)
#include "TestRealLine.moc"
