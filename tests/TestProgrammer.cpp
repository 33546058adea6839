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
#include "support/ModalAnswers.h"
#include "support/PtyForm.h"

using namespace rotaline;
using namespace rotaline::testing;
using namespace std::chrono_literals;

class TestProgrammer : public QObject {
    Q_OBJECT
private slots:
    void init() { SKIP_WITHOUT_PTYS(); }

    // The port is closed as on Exit, which gives the adapter back its own speed; a box or
    // window open at that moment closes with the program.
    void aSignalEndsTheProgramAsExitDoes_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("SIGTERM") << SIGTERM << "" << QByteArray("ready");
        QTest::newRow("SIGTERM, message box")
            << SIGTERM << "missing-file" << QByteArray("shown QMessageBox");
        QTest::newRow("SIGINT, file dialog")
            << SIGINT << "mnuOpen" << QByteArray("shown QFileDialog");
        QTest::newRow("SIGHUP, About box")
            << SIGHUP << "mnuAbout" << QByteArray("shown rotaline::AboutDialog");
        QTest::newRow("SIGTERM, adapters window")
            << SIGTERM << "mnuAdapters" << QByteArray("shown rotaline::AdaptersDialog");
    }
    void aSignalEndsTheProgramAsExitDoes() {
        QFETCH(int, signal);
        QFETCH(QString, asked);
        QFETCH(QByteArray, shown);
        PseudoTerminal adapter;
        const int speedBefore = adapter.baud();
        QTemporaryDir config;
        QProcess probe;
        startWithOwnStore(probe, config, pathOf(adapter), {PROGRAMMER_PROBE, asked});
        QByteArray told;
        QVERIFY(waitForOutput(probe, told, shown));
        QCOMPARE(adapter.baud(), 300);

        ::kill(static_cast<pid_t>(probe.processId()), signal);

        QVERIFY(probe.waitForFinished(20000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        QCOMPARE(adapter.baud(), speedBefore);
        QCOMPARE(bytesOf(adapter.read(1000ms)), QByteArray("\xAA\x55\x89\x05"));
    }

    // A file named from another folder is stored as the file dialog would give it.
    void theProgrammerOpensAFileGivenByARelativeName() {
        PseudoTerminal adapter;
        QTemporaryDir config;
        const QString file = config.filePath(QStringLiteral("start.esc"));
        QVERIFY(writeStartUpFile(file));
        QProcess programmer;
        programmer.setWorkingDirectory(config.path());

        startWithOwnStore(programmer, config, pathOf(adapter), {PROGRAMMER, "./start.esc"});

        QTRY_COMPARE_WITH_TIMEOUT(
            QSettings(config.filePath("Rotaline/Rotaline.conf"), QSettings::IniFormat)
                .value("Recent Files/RecentFile1"),
            QVariant(file), 10000);
        programmer.terminate();
        QVERIFY(programmer.waitForFinished(10000));
    }

    // Without a display: what needs none is answered, what makes no sense is refused, and the
    // window is not tried.
    void theCommandLineIsReadBeforeAnyDisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("printed");  // the start of the output with status 0, else
                                                  // the whole error
        QTest::newRow("version") << QStringList{"--version"} << 0 << QByteArray("Rotaline 1.0.0\n");
        QTest::newRow("help") << QStringList{"-h"} << 0
                              << QByteArray("Usage: rotaline [options] [file]\n");
        QTest::newRow("Qt's own option") << QStringList{"-platform", "offscreen", "--version"} << 0
                                         << QByteArray("Rotaline 1.0.0\n");
        QTest::newRow("no display") << QStringList{"start.esc"} << 1
                                    << QByteArray(
                                           "rotaline: no display; set DISPLAY or "
                                           "WAYLAND_DISPLAY, or run it from a desktop "
                                           "session\n");
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << 2 << QByteArray("rotaline: Unknown option 'bogus'.\n");
        QTest::newRow("unknown single-dash option")
            << QStringList{"-bogus"} << 2 << QByteArray("rotaline: Unknown option 'bogus'.\n");
        QTest::newRow("two files, one named to act on a terminal")
            << QStringList{"a.esc", "\x1b]0;T\x07\u202e.esc"} << 2
            << QByteArray(
                   "rotaline: one settings file at a time, 2 given: a.esc, "
                   "\\x1b]0;T\\x07\\u202e.esc\n");
    }
    void theCommandLineIsReadBeforeAnyDisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, printed);
        QProcess programmer;

        programmer.start("env", QStringList{"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY",
                                            "QT_QPA_PLATFORM=xcb", PROGRAMMER} +
                                    arguments);

        QVERIFY(programmer.waitForFinished(10000));
        QCOMPARE(programmer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programmer.exitCode(), status);
        const QByteArray all =
            programmer.readAllStandardOutput() + programmer.readAllStandardError();
        QCOMPARE(status == 0 ? all.left(printed.size()) : all, printed);
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
        ModalAnswers answering(20, file);  // Yes, OK, or the file above

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
        QTRY_VERIFY(firstPaintWorkDone());
        QApplication::closeAllWindows();
        QTRY_VERIFY([] {
            const QWidgetList windows = QApplication::topLevelWidgets();  // one list to walk
            return std::none_of(windows.cbegin(), windows.cend(),
                                [](const QWidget* shown) { return shown->isVisible(); });
        }());

        QVERIFY(QFile::exists(file));
    }
};

QTEST_MAIN(TestProgrammer)
#include "TestProgrammer.moc"
