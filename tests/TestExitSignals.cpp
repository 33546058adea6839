#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <csignal>

#include "pty/PseudoTerminal.h"
#include "support/LineLog.h"

using namespace rotaline;
using namespace std::chrono_literals;

namespace {

// Where serial-port lock files live; the port's lock is in the first that holds one.
QStringList lockFilesOf(const QString& device) {
    const QString name = QStringLiteral("LCK..") + device.mid(5).replace('/', '_');
    QStringList found;
    for (const char* folder : {"/var/lock", "/run/lock", "/tmp"}) {
        const QString path = QDir(QString::fromLatin1(folder)).canonicalPath() + '/' + name;
        if (QFile::exists(path) && !found.contains(path)) {
            found << path;
        }
    }
    return found;
}

}  // namespace

class TestExitSignals : public QObject {
    Q_OBJECT
private slots:
    void aSignalEndsTheProgramAsExitDoes_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void aSignalEndsTheProgramAsExitDoes() {
        QFETCH(int, signal);
        PseudoTerminal adapter;
        if (!adapter.isOpen()) {
            QSKIP("no pseudo-terminals here");
        }
        const QString device = QString::fromStdString(adapter.slavePath());
        const int speedBefore = adapter.baud();
        QTemporaryDir config;
        QDir(config.path()).mkpath(QStringLiteral("Rotaline"));
        QFile store(config.filePath(QStringLiteral("Rotaline/Rotaline.conf")));
        QVERIFY(store.open(QIODevice::WriteOnly));
        store.write("[Ports]\nCOM1=" + device.toUtf8() + "\n");
        store.close();
        QProcess programmer;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        programmer.setProcessEnvironment(environment);
        programmer.start(QStringLiteral(PROGRAMMER_PROBE));
        QVERIFY(programmer.waitForReadyRead(20000));
        QCOMPARE(programmer.readAllStandardOutput(), QByteArray("ready\n"));
        QCOMPARE(adapter.baud(), 300);
        QCOMPARE(lockFilesOf(device).size(), 1);

        ::kill(static_cast<pid_t>(programmer.processId()), signal);

        QVERIFY(programmer.waitForFinished(10000));
        QCOMPARE(programmer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programmer.exitCode(), 0);
        QCOMPARE(lockFilesOf(device), QStringList());
        QCOMPARE(adapter.baud(), speedBefore);
        QCOMPARE(QByteArray::fromStdString(adapter.read(1000ms)), QByteArray("\xAA\x55\x89\x05"));
    }

    void theProgrammerOpensAFileGivenToItAndTellsItsVersion() {
        PseudoTerminal adapter;
        QTemporaryDir config;
        QDir(config.path()).mkpath(QStringLiteral("Rotaline"));
        const QString store = config.filePath(QStringLiteral("Rotaline/Rotaline.conf"));
        QFile ports(store);
        QVERIFY(ports.open(QIODevice::WriteOnly));
        ports.write("[Ports]\nCOM1=" + QByteArray::fromStdString(adapter.slavePath()) + "\n");
        ports.close();
        const QString file = config.filePath(QStringLiteral("start.esc"));
        QVERIFY(testing::writeStartUpFile(file));
        QProcess programmer;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        programmer.setProcessEnvironment(environment);

        programmer.start(QStringLiteral(PROGRAMMER), {file});

        QTRY_VERIFY_WITH_TIMEOUT(QSettings(store, QSettings::IniFormat)
                                         .value(QStringLiteral("Recent Files/RecentFile1"))
                                         .toString() == file,
                                 10000);
        ::kill(static_cast<pid_t>(programmer.processId()), SIGTERM);
        QVERIFY(programmer.waitForFinished(10000));
        QCOMPARE(programmer.exitCode(), 0);

        // without any display to reach
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        programmer.setProcessEnvironment(environment);
        programmer.start(QStringLiteral(PROGRAMMER), {QStringLiteral("--version")});
        QVERIFY(programmer.waitForFinished(10000));
        QCOMPARE(programmer.readAllStandardOutput(), QByteArray("Rotaline 1.0.0\n"));
        QCOMPARE(programmer.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestExitSignals)
#include "TestExitSignals.moc"
