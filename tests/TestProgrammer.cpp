// The programmer as a user starts it, from a command line. How a signal ends it: TestRealLine.
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "support/LineLog.h"
#include "support/PtyForm.h"

using namespace rotaline;
using namespace rotaline::testing;

class TestProgrammer : public QObject {
    Q_OBJECT
private slots:
    void init() { SKIP_WITHOUT_PTYS(); }

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
};

QTEST_MAIN(TestProgrammer)
#include "TestProgrammer.moc"
