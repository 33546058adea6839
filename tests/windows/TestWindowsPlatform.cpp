#include <QTemporaryDir>
#include <QtTest>

#include "files/RegularFiles.h"
#include "platform/DevicePath.h"

using namespace rotaline;

// What Wine does as Windows does: port names, and saving through a copy with ReplaceFileW.
class TestWindowsPlatform : public QObject {
    Q_OBJECT
private slots:
    void aPortIsNamedAsTheUserSeesIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("device");
        QTest::newRow("COM5") << "COM5"
                              << "COM5";
        QTest::newRow("lower case") << "com23"
                                    << "COM23";
        QTest::newRow("device path") << "\\\\.\\COM23"
                                     << "COM23";
        QTest::newRow("another driver's") << "\\\\.\\CNCA0"
                                          << "CNCA0";
        QTest::newRow("COM0 is none") << "com0"
                                      << "com0";
    }
    void aPortIsNamedAsTheUserSeesIt() {
        QFETCH(QString, typed);
        QFETCH(QString, device);
        QCOMPARE(devicePath(typed), device);
    }

    // Given a file, a read-only file and a folder, when each is saved over, then the file holds
    // the new bytes, the others are refused and left as they were, and no copy stays behind.
    void aSaveReplacesOnlyAWritableRegularFile() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("a.esc"));
        const QString readOnly = dir.filePath(QStringLiteral("b.esc"));
        QString error;
        QVERIFY(replaceFileContents(file, "old", &error));
        QVERIFY(replaceFileContents(readOnly, "kept", &error));
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("c.esc")));

        QVERIFY(replaceFileContents(file, "new", &error));
        QVERIFY(!replaceFileContents(readOnly, "new", &error));
        QCOMPARE(error, QStringLiteral("It is read-only."));
        QVERIFY(!replaceFileContents(dir.filePath(QStringLiteral("c.esc")), "new", &error));
        QCOMPARE(error, QStringLiteral("It is a folder."));

        QFile saved(file);
        QFile kept(readOnly);
        QVERIFY(saved.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("new"));
        QCOMPARE(kept.readAll(), QByteArray("kept"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"a.esc", "b.esc", "c.esc"}));
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner));
    }
};

QTEST_GUILESS_MAIN(TestWindowsPlatform)
#include "TestWindowsPlatform.moc"
