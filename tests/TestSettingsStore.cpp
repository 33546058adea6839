#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status;
    QStringList entries;
};

Run start(const QString& configHome, const QString& open = QString()) {
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(STORE_PROBE), open.isEmpty() ? QStringList() : QStringList{open});
    probe.waitForFinished(20000);
    QStringList entries = QString::fromUtf8(probe.readAllStandardOutput()).split('\n');
    entries.removeAll(QString());
    return {probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1, entries};
}

}  // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void recentFilesLastFromOneRunToTheNext() {
        QTemporaryDir home;
        QCOMPARE(start(home.path(), "/tmp/a.esc").entries, QStringList({"&1 /tmp/a.esc"}));
        const Run second = start(home.path(), "/tmp/b.esc");
        QCOMPARE(second.entries, QStringList({"&1 /tmp/b.esc", "&2 /tmp/a.esc"}));
        QFile file(home.filePath(QStringLiteral("Rotaline/Rotaline.conf")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("RecentFile1=/tmp/b.esc"));
    }

    void aCorruptStoreStillStartsUp() {
        QTemporaryDir home;
        QDir(home.path()).mkpath(QStringLiteral("Rotaline"));
        QFile file(home.filePath(QStringLiteral("Rotaline/Rotaline.conf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray noise(4096, Qt::Uninitialized);
        QRandomGenerator random(3);
        for (char& byte : noise) {
            byte = char(random.bounded(256));
        }
        file.write("[Recent Files]\nRecentFile1=" + noise);
        file.close();
        QCOMPARE(start(home.path()).status, 0);
        QCOMPARE(start(home.path(), "/tmp/c.esc").status, 0);
    }

    void anUnwritableStoreStartsUpAndRemembersNothing() {
        const QString nowhere = QStringLiteral("/proc/rotaline-config");
        const Run first = start(nowhere, "/tmp/d.esc");
        QCOMPARE(first.status, 0);
        QCOMPARE(first.entries, QStringList({"&1 /tmp/d.esc"}));
        const Run second = start(nowhere);
        QCOMPARE(second.status, 0);
        QVERIFY(second.entries.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
