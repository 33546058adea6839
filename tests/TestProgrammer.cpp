// The programmer as a whole: started as a user starts it, ended by a signal, taken through the
// everyday flows.
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "app/Programmer.h"
#include "support/LineLog.h"
#include "support/PtyForm.h"

using namespace rotaline;
using namespace rotaline::testing;
using namespace std::chrono_literals;

namespace {

// Starts `program` with a settings store of its own in `config`, in which COM1 is `device`.
void startWithOwnStore(QProcess& process, const QTemporaryDir& config, const QString& device,
                       const QStringList& command) {
    QSettings(config.filePath("Rotaline/Rotaline.conf"), QSettings::IniFormat)
        .setValue("Ports/COM1", device);
    process.start("env", QStringList{"XDG_CONFIG_HOME=" + config.path()} + command);
}

}  // namespace

class TestProgrammer : public QObject {
    Q_OBJECT
private slots:
    void init() { SKIP_WITHOUT_PTYS(); }

    // The port is closed as on Exit, which gives the adapter back its own speed.
    void aSignalEndsTheProgramAsExitDoes_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void aSignalEndsTheProgramAsExitDoes() {
        QFETCH(int, signal);
        PseudoTerminal adapter;
        const int speedBefore = adapter.baud();
        QTemporaryDir config;
        QProcess probe;
        startWithOwnStore(probe, config, pathOf(adapter), {PROGRAMMER_PROBE});
        QVERIFY(probe.waitForReadyRead(20000));
        QCOMPARE(adapter.baud(), 300);

        ::kill(static_cast<pid_t>(probe.processId()), signal);

        QVERIFY(probe.waitForFinished(20000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        QCOMPARE(adapter.baud(), speedBefore);
        QCOMPARE(bytesOf(adapter.read(1000ms)), QByteArray("\xAA\x55\x89\x05"));
    }

    void theProgrammerOpensAFileGivenToItAndTellsItsVersionWithoutADisplay() {
        PseudoTerminal adapter;
        QTemporaryDir config;
        const QString file = config.filePath(QStringLiteral("start.esc"));
        QVERIFY(writeStartUpFile(file));
        QProcess programmer;

        startWithOwnStore(programmer, config, pathOf(adapter), {PROGRAMMER, file});

        QTRY_COMPARE_WITH_TIMEOUT(
            QSettings(config.filePath("Rotaline/Rotaline.conf"), QSettings::IniFormat)
                .value("Recent Files/RecentFile1"),
            QVariant(file), 10000);
        programmer.terminate();
        QVERIFY(programmer.waitForFinished(10000));
        programmer.start("env", {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb",
                                 PROGRAMMER, "--version"});
        QVERIFY(programmer.waitForFinished(10000));
        QCOMPARE(programmer.readAllStandardOutput(), QByteArray("Rotaline 1.0.0\n"));
        QCOMPARE(programmer.exitCode(), 0);
    }

    // The everyday flows, as a user goes through them, warn of nothing. The offscreen platform
    // that tests run on says what it cannot do with windows; desktops can.
    void everydayUseWarnsOfNothing() {
        QTest::failOnWarning(QRegularExpression("^(?!This plugin does not support)"));
        PseudoTerminal adapter;
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Rotaline", "Rotaline")
            .setValue("Ports/COM1", pathOf(adapter));
        QTemporaryDir folder;
        const QString file = folder.filePath("quiet.esc");
        QTimer answering;  // the user at every modal dialog: Yes, OK, or the file above
        connect(&answering, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                box->button(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok)
                    ->click();
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                files->selectFile(file);
                static_cast<QDialog*>(files)->accept();
            }
        });
        answering.start(20);

        Programmer programmer;
        programmer.start();
        Controls& c = programmer.form().controls();
        c.ComboCTRmodel[0]->setListIndex(1);
        dynamic_cast<OptionGroup&>(*programmer.form().find("OptionBrake")).select(4);
        dynamic_cast<ScrollBar&>(*programmer.form().find("HScrollTiming")).setValue(10);
        c.mnuSave->click();
        c.CommandSetFactory->click();
        c.mnuOpen->click();
        c.mnuChinese->click();
        c.SSTab1->select(1);
        c.mnuEnglish->click();
        c.mnuAbout->click();
        c.mnuAdapters->click();
        QTest::qWait(200);
        QApplication::closeAllWindows();
        QTest::qWait(200);

        QVERIFY(QFile::exists(file));
    }
};

QTEST_MAIN(TestProgrammer)
#include "TestProgrammer.moc"
