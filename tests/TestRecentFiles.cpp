#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/QSettingsStore.h"
#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

using Start = FormFixture::Start;
using Pairs = QList<QPair<QString, QString>>;

QStringList menu(FormFixture& f) {
    QStringList captions;
    for (int i = 0; i <= 4; ++i) {
        const Control& entry = f.control(QStringLiteral("mnuFileMRU(%1)").arg(i));
        if (entry.isVisible()) {
            captions << entry.caption();
        }
    }
    return captions;
}

QStringList stored(const FormFixture& f) {
    QStringList files;
    for (int slot = 1; slot <= 4; ++slot) {
        files << f.settings.value("Recent Files", QStringLiteral("RecentFile%1").arg(slot));
    }
    return files;
}

// None of the paths names a file: each open ends in the not-found message.
void open(FormFixture& f, const QString& path) {
    f.dialogs.nextFileName(path);
    f.form.mnuOpen_Click();
    QCOMPARE(f.dialogs.texts(), QStringList({"File is not found or file is error!"}));
    f.dialogs.clear();
}

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

class TestRecentFiles : public QObject {
    Q_OBJECT
private slots:
    // Given a store file written by hand, before anything reads the store.
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        QVERIFY(QDir(config_.path()).mkpath(QStringLiteral("Rotaline")));
        QFile file(storeFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Ports]\nCOM2=/dev/ttyACM0\n\n[Recent Files]\nRecentFile1=/home/a b.esc\n");
    }

    void aHandWrittenFileIsRead() {
        const QSettingsStore store;
        QCOMPARE(store.value("Ports", "COM2"), QStringLiteral("/dev/ttyACM0"));
        QCOMPARE(store.value("Recent Files", "RecentFile1"), QStringLiteral("/home/a b.esc"));
        QCOMPARE(store.value("Ports", "COM1"), QString());
        QCOMPARE(store.section("Ports"), Pairs({{"COM2", "/dev/ttyACM0"}}));
    }

    void writtenValuesReachTheFileAndKeepTheOthers() {
        QSettingsStore store;
        store.setValue("Recent Files", "RecentFile3", "/c.esc");
        store.setValue("Recent Files", "RecentFile2", "/b.esc");
        store.setValue("Ports", "COM1", "/dev/ttyUSB0");

        QCOMPARE(QSettingsStore().section("Recent Files"), Pairs({{"RecentFile1", "/home/a b.esc"},
                                                                  {"RecentFile2", "/b.esc"},
                                                                  {"RecentFile3", "/c.esc"}}));
        QFile file(storeFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("[Ports]\nCOM1=/dev/ttyUSB0\nCOM2=/dev/ttyACM0\n"), text);
        QVERIFY2(text.contains("RecentFile3=/c.esc\n"), text);
    }

    void whatAnotherInstanceWroteIsReadBeforeAChange() {
        QSettingsStore store;
        QCOMPARE(store.value("Recent Files", "RecentFile1"), QStringLiteral("/home/a b.esc"));
        QFile file(storeFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Recent Files]\nRecentFile1=/from/the/other.esc\n");
        file.close();

        QString seen;
        store.exclusively([&] {
            seen = store.value("Recent Files", "RecentFile1");
            store.setValue("Recent Files", "RecentFile2", seen);
            store.setValue("Recent Files", "RecentFile1", "/mine.esc");
        });

        QCOMPARE(seen, QStringLiteral("/from/the/other.esc"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Recent%20Files]\nRecentFile1=/mine.esc\n"
                                            "RecentFile2=/from/the/other.esc\n"));
    }

    void theNewestFileComesFirstAndTheFifthPushesOutTheOldest() {
        FormFixture f(Start::Loaded);
        for (const char* path : {"/a.esc", "/b.esc", "/c.esc", "/d.esc", "/e.esc"}) {
            open(f, QString::fromLatin1(path));
        }
        QCOMPARE(stored(f), QStringList({"/e.esc", "/d.esc", "/c.esc", "/b.esc"}));
        QCOMPARE(menu(f), QStringList({"-", "&1 /e.esc", "&2 /d.esc", "&3 /c.esc", "&4 /b.esc"}));
        QVERIFY(f.controls.mnuFileMRU[1]->captionHasAccessKeys());

        open(f, QStringLiteral("/c.esc"));
        QCOMPARE(stored(f), QStringList({"/c.esc", "/e.esc", "/d.esc", "/b.esc"}));
        QCOMPARE(menu(f), QStringList({"-", "&1 /c.esc", "&2 /e.esc", "&3 /d.esc", "&4 /b.esc"}));
    }

    void savingUnderTheSecondNameMovesItToTheTop() {
        QTemporaryDir dir;
        const QString second = dir.filePath(QStringLiteral("second.esc"));
        FormFixture f(Start::Loaded);
        for (const QString& path : {QStringLiteral("/w.esc"), QStringLiteral("/x.esc"), second,
                                    QStringLiteral("/y.esc")}) {
            open(f, path);
        }
        QCOMPARE(stored(f), QStringList({"/y.esc", second, "/x.esc", "/w.esc"}));
        f.dialogs.nextFileName(second);
        f.form.SaveSettingsFile();
        QCOMPARE(stored(f), QStringList({second, "/y.esc", "/x.esc", "/w.esc"}));
    }

    void pathsThatDifferInCaseAreTwoEntries() {
        FormFixture f(Start::Loaded);
        open(f, QStringLiteral("/Car.esc"));
        open(f, QStringLiteral("/car.esc"));
        QCOMPARE(menu(f), QStringList({"-", "&1 /car.esc", "&2 /Car.esc"}));
    }

    void choosingADeletedEntryReportsItAndMovesItToTheTop() {
        FormFixture f(Start::Loaded);
        open(f, QStringLiteral("/gone.esc"));
        open(f, QStringLiteral("/other.esc"));
        f.dialogs.clear();

        f.controls.mnuFileMRU[2]->click();

        QCOMPARE(f.dialogs.texts(), QStringList({"File is not found or file is error!"}));
        QCOMPARE(menu(f), QStringList({"-", "&1 /gone.esc", "&2 /other.esc"}));
        QCOMPARE(f.note(), QStringLiteral("Load File:/gone.esc\r\n"));
    }

    void twoInstancesShareOneListWithEveryFileOnce() {
        FormFixture first(Start::Loaded);
        open(first, QStringLiteral("/x.esc"));
        FakeSerialPort port;
        ProgrammingLink link(port);
        ScriptedDialogs dialogs;
        MainForm second(link, dialogs, first.settings);
        second.Form_Load();
        dialogs.nextFileName(QStringLiteral("/y.esc"));
        second.mnuOpen_Click();
        dialogs.clear();

        open(first, QStringLiteral("/x.esc"));
        QCOMPARE(stored(first), QStringList({"/x.esc", "/y.esc", "", ""}));
        QCOMPARE(menu(first), QStringList({"-", "&1 /x.esc", "&2 /y.esc"}));

        dialogs.nextFileName(QStringLiteral("/z.esc"));
        second.mnuOpen_Click();
        dialogs.clear();
        QCOMPARE(stored(first), QStringList({"/z.esc", "/x.esc", "/y.esc", ""}));
    }

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

private:
    QString storeFile() const { return config_.filePath(QStringLiteral("Rotaline/Rotaline.conf")); }

    QTemporaryDir config_;
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "TestRecentFiles.moc"
