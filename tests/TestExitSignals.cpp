#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <csignal>

#include "pty/PseudoTerminal.h"

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
};

QTEST_GUILESS_MAIN(TestExitSignals)
#include "TestExitSignals.moc"
