#include <QTemporaryDir>
#include <QtTest>

#include "files/SettingsFile.h"

using namespace rotaline;

class TestSettingsFileReader : public QObject {
    Q_OBJECT
private slots:
    // Each row is also fed one byte at a time, as a file can arrive in any pieces.
    void linesAreCutAsLoadingReadsThem_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("CR LF, CR, LF")
            << QByteArray("ab\r\ncd\ref\n\ngh") << QList<QByteArray>{"ab", "cd", "ef", "", "gh"};
        QTest::newRow("long lines") << QByteArray("1 !extra\r\n") + QByteArray(300, 'x') + "\n"
                                    << QList<QByteArray>{"1 !", "xxx"};
        QTest::newRow("none after the 41st")
            << QByteArray("ab\n").repeated(41) + "cd\n\x01" << QList<QByteArray>(41, "ab");
    }
    void linesAreCutAsLoadingReadsThem() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QByteArray>, lines);
        SettingsLineReader whole;
        whole.feed(bytes.constData(), bytes.size());
        SettingsLineReader bytewise;
        for (const char& byte : bytes) {
            bytewise.feed(&byte, 1);
        }
        QCOMPARE(whole.lines(), lines);
        QCOMPARE(bytewise.lines(), lines);
    }

    // A settings file is 205 bytes: one of more than 64 KiB is refused before a byte of it is
    // read, whatever its first lines, so even a 20 GB one (sparse, filling no disk) costs no time.
    void aFileLargerThanAnySettingsFileIsNotRead_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("read");
        QTest::newRow("64 KiB") << qint64(64 * 1024) << true;
        QTest::newRow("a byte more") << qint64(64 * 1024 + 1) << false;
        QTest::newRow("20 GB") << qint64(20) * 1024 * 1024 * 1024 << false;
    }
    void aFileLargerThanAnySettingsFileIsNotRead() {
        QFETCH(qint64, size);
        QFETCH(bool, read);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("a.esc")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray("ab\n").repeated(41)));
        QVERIFY(file.resize(size));
        file.close();
        QCOMPARE(readSettingsLines(file.fileName()),
                 read ? std::optional(QList<QByteArray>(41, "ab")) : std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFileReader)
#include "TestSettingsFileReader.moc"
