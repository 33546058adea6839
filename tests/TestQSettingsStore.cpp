#include <QTemporaryDir>
#include <QtTest>

#include "platform/QSettingsStore.h"

using namespace rotaline;
using Pairs = QList<QPair<QString, QString>>;

class TestQSettingsStore : public QObject {
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

private:
    QString storeFile() const { return config_.filePath(QStringLiteral("Rotaline/Rotaline.conf")); }

    QTemporaryDir config_;
};

QTEST_GUILESS_MAIN(TestQSettingsStore)
#include "TestQSettingsStore.moc"
